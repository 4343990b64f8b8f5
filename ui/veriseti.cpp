#include "veriseti.h"

#include "sayibicimi.h"

#include <QByteArray>
#include <QLocale>

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace rvz {

namespace {

bool TamsayiTuru(SutunTuru t) {
    return HucreBicimiVer(t) == HucreBicimi::Tamsayi;
}
bool OndalikTuru(SutunTuru t) {
    return HucreBicimiVer(t) == HucreBicimi::Ondalik;
}

// A reader's cell in the dataset's own form.
Hucre OkuyucuHucresi(const TDBXReader& r, int i) {
    if (r.IsNull(i))
        return std::monostate{};
    switch (r.ColumnType(i)) {
    case SutunTuru::Integer:
    case SutunTuru::Int64:
        return r.GetInt64(i);
    case SutunTuru::Boolean:
        return std::int64_t{r.GetBoolean(i) ? 1 : 0};
    case SutunTuru::Double:
    case SutunTuru::Currency:
    case SutunTuru::Bcd:
    case SutunTuru::Date:
    case SutunTuru::DateTime:
        return r.GetDouble(i);
    case SutunTuru::WideText:
    case SutunTuru::AnsiText:
        return r.GetWideString(i);
    case SutunTuru::Bytes:
        return r.GetBytes(i);
    }
    return std::monostate{};
}

} // namespace

void TVeriSeti::YeniSutunlar(const std::vector<Sutun>& sutunlar) {
    sutunlar_.clear();
    sutunlar_.reserve(sutunlar.size());
    for (const auto& s : sutunlar) {
        Kolon k;
        k.ad = s.ad;
        k.tur = s.tur;
        sutunlar_.push_back(std::move(k));
    }
    satirSayisi_ = 0;
    imlec_ = -1;
    duzenlenen_ = -1;
    duzenleme_.clear();
    acik_ = true;
}

void TVeriSeti::KolonaEkle(Kolon& k, const Hucre& h) {
    const bool bos = std::holds_alternative<std::monostate>(h);
    k.bos.push_back(bos);
    if (TamsayiTuru(k.tur)) {
        k.tam.push_back(
            bos ? 0
            : std::holds_alternative<std::int64_t>(h)
                ? std::get<std::int64_t>(h)
                : static_cast<std::int64_t>(std::holds_alternative<double>(h) ? std::get<double>(h) : 0));
    } else if (OndalikTuru(k.tur)) {
        k.ondalik.push_back(std::holds_alternative<double>(h) ? std::get<double>(h)
                            : std::holds_alternative<std::int64_t>(h)
                                ? static_cast<double>(std::get<std::int64_t>(h))
                                : 0.0);
    } else {
        if (std::holds_alternative<std::string>(h))
            k.metin += std::get<std::string>(h);
        if (k.metin.size() > std::numeric_limits<std::uint32_t>::max())
            throw std::length_error("Sütun metinleri 4 GB sınırını aşıyor: " + k.ad);
        k.sonlar.push_back(static_cast<std::uint32_t>(k.metin.size()));
    }
}

void TVeriSeti::KolonaNullEkle(Kolon& k) {
    KolonaEkle(k, std::monostate{});
}

void TVeriSeti::OkuyucudanDoldur(TDBXReader& okuyucu) {
    DegisecekBildir();
    std::vector<Sutun> sutunlar;
    for (int i = 0; i < okuyucu.ColumnCount(); ++i)
        sutunlar.push_back({okuyucu.ColumnName(i), okuyucu.ColumnType(i)});
    YeniSutunlar(sutunlar);
    while (okuyucu.Next()) {
        for (int i = 0; i < okuyucu.ColumnCount(); ++i)
            KolonaEkle(sutunlar_[Sira(i)], OkuyucuHucresi(okuyucu, i));
        ++satirSayisi_;
    }
    imlec_ = satirSayisi_ > 0 ? 0 : -1;
    DegistiBildir();
}

void TVeriSeti::PaketAta(const OleVariant& paket) {
    if (!paket) {
        Kapat();
        return;
    }
    DegisecekBildir();
    YeniSutunlar(paket->sutunlar);
    for (auto& k : sutunlar_) {
        k.bos.reserve(paket->satirlar.size());
        if (TamsayiTuru(k.tur))
            k.tam.reserve(paket->satirlar.size());
        else if (OndalikTuru(k.tur))
            k.ondalik.reserve(paket->satirlar.size());
        else
            k.sonlar.reserve(paket->satirlar.size());
    }
    for (const auto& satir : paket->satirlar) {
        for (std::size_t i = 0; i < sutunlar_.size(); ++i)
            KolonaEkle(sutunlar_[i], i < satir.size() ? satir[i] : Hucre{});
        ++satirSayisi_;
    }
    imlec_ = satirSayisi_ > 0 ? 0 : -1;
    DegistiBildir();
}

void TVeriSeti::SutunlariKur(const std::vector<Sutun>& sutunlar) {
    DegisecekBildir();
    YeniSutunlar(sutunlar);
    DegistiBildir();
}

int TVeriSeti::SatirEkle() {
    if (!acik_)
        throw std::logic_error("Veri seti kapalı");
    DegisecekBildir();
    for (auto& k : sutunlar_)
        KolonaNullEkle(k);
    imlec_ = satirSayisi_++;
    DegistiBildir();
    return imlec_;
}

void TVeriSeti::Bosalt() {
    if (!acik_)
        return;
    std::vector<Sutun> sutunlar;
    std::vector<QString> bicimler;
    for (const auto& k : sutunlar_) {
        sutunlar.push_back({k.ad, k.tur});
        bicimler.push_back(k.bicim);
    }
    DegisecekBildir();
    YeniSutunlar(sutunlar);
    for (std::size_t i = 0; i < sutunlar_.size(); ++i)
        sutunlar_[i].bicim = bicimler[i];
    DegistiBildir();
}

void TVeriSeti::Kapat() {
    DegisecekBildir();
    sutunlar_.clear();
    satirSayisi_ = 0;
    imlec_ = -1;
    duzenlenen_ = -1;
    duzenleme_.clear();
    acik_ = false;
    DegistiBildir();
}

int TVeriSeti::AlanNo(std::string_view ad) const {
    for (std::size_t i = 0; i < sutunlar_.size(); ++i)
        if (sutunlar_[i].ad == ad)
            return static_cast<int>(i);
    return -1;
}

void TVeriSeti::GosterimBicimiAta(int sutun, const QString& bicim) {
    DegisecekBildir();
    sutunlar_.at(Sira(sutun)).bicim = bicim;
    DegistiBildir();
}

const TVeriSeti::Kolon& TVeriSeti::KolonAl(int satir, int sutun) const {
    if (satir < 0 || satir >= satirSayisi_)
        throw std::out_of_range("Satır yok: " + std::to_string(satir));
    return sutunlar_.at(Sira(sutun));
}

std::string_view TVeriSeti::Metin(const Kolon& k, int satir) const {
    if (const auto it = k.degisen.find(satir); it != k.degisen.end())
        return it->second;
    const std::uint32_t bas = satir == 0 ? 0 : k.sonlar[Sira(satir - 1)];
    return std::string_view(k.metin).substr(bas, k.sonlar[Sira(satir)] - bas);
}

bool TVeriSeti::BosMu(int satir, int sutun) const {
    return KolonAl(satir, sutun).bos[Sira(satir)];
}

QVariant TVeriSeti::Deger(int satir, int sutun) const {
    const auto& k = KolonAl(satir, sutun);
    if (k.bos[Sira(satir)])
        return {};
    switch (k.tur) {
    case SutunTuru::Integer:
    case SutunTuru::Int64:
        return QVariant::fromValue(static_cast<qlonglong>(k.tam[Sira(satir)]));
    case SutunTuru::Boolean:
        return k.tam[Sira(satir)] != 0;
    case SutunTuru::Double:
    case SutunTuru::Currency:
    case SutunTuru::Bcd:
        return k.ondalik[Sira(satir)];
    case SutunTuru::Date:
        return OleTarihiCoz(k.ondalik[Sira(satir)]).date();
    case SutunTuru::DateTime:
        return OleTarihiCoz(k.ondalik[Sira(satir)]);
    case SutunTuru::WideText:
    case SutunTuru::AnsiText: {
        const auto m = Metin(k, satir);
        return QString::fromUtf8(m.data(), static_cast<qsizetype>(m.size()));
    }
    case SutunTuru::Bytes: {
        const auto m = Metin(k, satir);
        return QByteArray(m.data(), static_cast<qsizetype>(m.size()));
    }
    }
    return {};
}

double TVeriSeti::SayiDegeri(int satir, int sutun) const {
    const auto& k = KolonAl(satir, sutun);
    if (k.bos[Sira(satir)])
        return 0;
    if (TamsayiTuru(k.tur))
        return static_cast<double>(k.tam[Sira(satir)]);
    if (OndalikTuru(k.tur))
        return k.ondalik[Sira(satir)];
    return 0;
}

QString TVeriSeti::GosterimMetni(int satir, int sutun) const {
    const auto& k = KolonAl(satir, sutun);
    if (k.bos[Sira(satir)])
        return {};
    QLocale yerel;
    switch (k.tur) {
    case SutunTuru::Integer:
    case SutunTuru::Int64:
        return k.bicim.isEmpty() ? QString::number(k.tam[Sira(satir)])
                                 : BicimliSayi(static_cast<double>(k.tam[Sira(satir)]), k.bicim);
    case SutunTuru::Boolean:
        return k.tam[Sira(satir)] != 0 ? QStringLiteral("True") : QStringLiteral("False");
    case SutunTuru::Double:
    case SutunTuru::Currency:
    case SutunTuru::Bcd:
        return BicimliSayi(k.ondalik[Sira(satir)], k.bicim);
    case SutunTuru::Date:
        return yerel.toString(OleTarihiCoz(k.ondalik[Sira(satir)]).date(), QLocale::ShortFormat);
    case SutunTuru::DateTime: {
        const auto an = OleTarihiCoz(k.ondalik[Sira(satir)]);
        return an.time() == QTime(0, 0) ? yerel.toString(an.date(), QLocale::ShortFormat)
                                        : yerel.toString(an, QLocale::ShortFormat);
    }
    case SutunTuru::WideText:
    case SutunTuru::AnsiText:
        return Deger(satir, sutun).toString();
    case SutunTuru::Bytes:
        return QStringLiteral("(BLOB)");
    }
    return {};
}

void TVeriSeti::SetRecNo(int satir) {
    if (Duzenleniyor())
        Post();
    imlec_ = std::clamp(satir, satirSayisi_ == 0 ? -1 : 0, satirSayisi_ == 0 ? -1 : satirSayisi_ - 1);
}

void TVeriSeti::Next() {
    if (Duzenleniyor())
        Post();
    if (imlec_ < satirSayisi_)
        ++imlec_;
}

void TVeriSeti::Prior() {
    if (Duzenleniyor())
        Post();
    if (imlec_ > 0)
        --imlec_;
}

bool TVeriSeti::Locate(std::string_view alan, const QVariant& deger) {
    const int s = AlanNo(alan);
    if (s < 0)
        throw std::invalid_argument("Alan bulunamadı: " + std::string(alan));
    const auto& k = sutunlar_[Sira(s)];
    const bool sayisal = TamsayiTuru(k.tur) || OndalikTuru(k.tur);
    for (int i = 0; i < satirSayisi_; ++i) {
        if (k.bos[Sira(i)]) {
            if (!deger.isValid() || deger.isNull()) {
                SetRecNo(i);
                return true;
            }
            continue;
        }
        const bool esit = sayisal ? deger.canConvert<double>() && SayiDegeri(i, s) == deger.toDouble()
                                  : Deger(i, s) == deger || Deger(i, s).toString() == deger.toString();
        if (esit) {
            SetRecNo(i);
            return true;
        }
    }
    return false;
}

QVariant TVeriSeti::FieldByName(std::string_view alan) const {
    const int s = AlanNo(alan);
    if (s < 0)
        throw std::invalid_argument("Alan bulunamadı: " + std::string(alan));
    if (Duzenleniyor())
        for (const auto& [sutun, deger] : duzenleme_)
            if (sutun == s)
                return deger;
    if (imlec_ < 0 || imlec_ >= satirSayisi_)
        return {};
    return Deger(imlec_, s);
}

QString TVeriSeti::AlanMetni(std::string_view alan) const {
    const int s = AlanNo(alan);
    if (s < 0)
        throw std::invalid_argument("Alan bulunamadı: " + std::string(alan));
    if (imlec_ < 0 || imlec_ >= satirSayisi_)
        return {};
    return GosterimMetni(imlec_, s);
}

void TVeriSeti::Edit() {
    if (imlec_ < 0 || imlec_ >= satirSayisi_)
        throw std::logic_error("Düzenlenecek kayıt yok");
    duzenlenen_ = imlec_;
    duzenleme_.clear();
}

void TVeriSeti::AlanYaz(std::string_view alan, const QVariant& deger) {
    if (!Duzenleniyor())
        throw std::logic_error("Veri seti düzenleme durumunda değil");
    const int s = AlanNo(alan);
    if (s < 0)
        throw std::invalid_argument("Alan bulunamadı: " + std::string(alan));
    duzenleme_.emplace_back(s, deger);
}

void TVeriSeti::HucreYaz(Kolon& k, int satir, const QVariant& deger) {
    const bool bos = !deger.isValid() || deger.isNull();
    k.bos[Sira(satir)] = bos;
    if (TamsayiTuru(k.tur)) {
        k.tam[Sira(satir)] = bos ? 0 : deger.toLongLong();
    } else if (OndalikTuru(k.tur)) {
        k.ondalik[Sira(satir)] = bos ? 0 : deger.toDouble();
    } else {
        k.degisen[satir] = bos                                       ? std::string()
                           : deger.typeId() == QMetaType::QByteArray ? deger.toByteArray().toStdString()
                                                                     : deger.toString().toStdString();
    }
}

void TVeriSeti::Post() {
    if (!Duzenleniyor())
        return;
    const int satir = duzenlenen_;
    auto yazilacak = std::move(duzenleme_);
    duzenleme_.clear();
    duzenlenen_ = -1;
    for (const auto& [sutun, deger] : yazilacak) {
        HucreYaz(sutunlar_[Sira(sutun)], satir, deger);
        if (kapaliKontrol_ > 0)
            bekleyenDegisiklik_ = true;
        else
            for (auto* d : dinleyiciler_)
                d->AlanDegisti(satir, sutun);
    }
}

void TVeriSeti::Cancel() {
    duzenlenen_ = -1;
    duzenleme_.clear();
}

void TVeriSeti::EnableControls() {
    if (kapaliKontrol_ == 0)
        return;
    if (--kapaliKontrol_ == 0 && bekleyenDegisiklik_) {
        bekleyenDegisiklik_ = false;
        for (auto* d : dinleyiciler_) {
            d->VeriSetiDegisecek();
            d->VeriSetiDegisti();
        }
    }
}

void TVeriSeti::DegisecekBildir() {
    if (kapaliKontrol_ > 0) {
        bekleyenDegisiklik_ = true;
        return;
    }
    for (auto* d : dinleyiciler_)
        d->VeriSetiDegisecek();
}

void TVeriSeti::DegistiBildir() {
    if (kapaliKontrol_ > 0)
        return;
    for (auto* d : dinleyiciler_)
        d->VeriSetiDegisti();
}

void TVeriSeti::DinleyiciEkle(TVeriSetiDinleyici* d) {
    if (std::find(dinleyiciler_.begin(), dinleyiciler_.end(), d) == dinleyiciler_.end())
        dinleyiciler_.push_back(d);
}

void TVeriSeti::DinleyiciCikar(TVeriSetiDinleyici* d) {
    std::erase(dinleyiciler_, d);
}

std::size_t TVeriSeti::HucreBellegi() const {
    std::size_t toplam = 0;
    for (const auto& k : sutunlar_) {
        toplam += k.tam.capacity() * sizeof(std::int64_t) + k.ondalik.capacity() * sizeof(double) +
                  k.metin.capacity() + k.sonlar.capacity() * sizeof(std::uint32_t) + k.bos.capacity() / 8;
        for (const auto& [satir, metin] : k.degisen)
            toplam += sizeof(satir) + metin.capacity() + 32;
    }
    return toplam;
}

} // namespace rvz
