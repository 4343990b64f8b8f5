#include "dbx.h"

#include <algorithm>
#include <cstring>

namespace rvz {

void TStream::Seek(std::int64_t konum) {
    konum_ = std::clamp<std::int64_t>(konum, 0, Size());
}

std::int64_t TStream::Read(char* hedef, std::int64_t n) {
    const auto okunan = std::min(n, Size() - konum_);
    if (okunan <= 0)
        return 0;
    std::memcpy(hedef, baytlar_.data() + konum_, static_cast<std::size_t>(okunan));
    konum_ += okunan;
    return okunan;
}

TDBXReader::TDBXReader(std::shared_ptr<const Tablo> tablo) : tablo_(std::move(tablo)) {
    if (!tablo_)
        tablo_ = std::make_shared<const Tablo>();
}

bool TDBXReader::Next() {
    if (satir_ + 1 >= static_cast<std::int64_t>(tablo_->satirlar.size())) {
        satir_ = static_cast<std::int64_t>(tablo_->satirlar.size());
        return false;
    }
    ++satir_;
    return true;
}

const std::string& TDBXReader::ColumnName(int i) const {
    return tablo_->sutunlar.at(static_cast<std::size_t>(i)).ad;
}
SutunTuru TDBXReader::ColumnType(int i) const {
    return tablo_->sutunlar.at(static_cast<std::size_t>(i)).tur;
}

const Hucre& TDBXReader::Oku(int i, std::initializer_list<SutunTuru> turler) const {
    if (satir_ < 0 || satir_ >= static_cast<std::int64_t>(tablo_->satirlar.size()))
        throw UzakHata("okuyucu bir satırda değil");
    if (i < 0 || i >= ColumnCount())
        throw UzakHata("sütun " + std::to_string(i) + " yok");
    const auto tur = ColumnType(i);
    if (std::find(turler.begin(), turler.end(), tur) == turler.end())
        throw UzakHata("Tür uyuşmazlığı: " + ColumnName(i) + " sütunu " + std::string(SutunTuruAdi(tur)) +
                       " türünde");
    return tablo_->satirlar[static_cast<std::size_t>(satir_)][static_cast<std::size_t>(i)];
}

bool TDBXReader::IsNull(int i) const {
    return std::holds_alternative<std::monostate>(
        Oku(i, {SutunTuru::Integer, SutunTuru::Int64, SutunTuru::Double, SutunTuru::Currency, SutunTuru::Bcd,
                SutunTuru::Boolean, SutunTuru::Date, SutunTuru::DateTime, SutunTuru::WideText,
                SutunTuru::AnsiText, SutunTuru::Bytes}));
}

namespace {
template <class T> T HucreAl(const Hucre& h) {
    if (const auto* v = std::get_if<T>(&h))
        return *v;
    return T{};
}
} // namespace

std::int32_t TDBXReader::GetInt32(int i) const {
    return static_cast<std::int32_t>(HucreAl<std::int64_t>(Oku(i, {SutunTuru::Integer})));
}
std::int64_t TDBXReader::GetInt64(int i) const {
    return HucreAl<std::int64_t>(Oku(i, {SutunTuru::Integer, SutunTuru::Int64}));
}
double TDBXReader::GetDouble(int i) const {
    return HucreAl<double>(Oku(
        i, {SutunTuru::Double, SutunTuru::Currency, SutunTuru::Bcd, SutunTuru::Date, SutunTuru::DateTime}));
}
bool TDBXReader::GetBoolean(int i) const {
    return HucreAl<std::int64_t>(Oku(i, {SutunTuru::Boolean})) != 0;
}
std::string TDBXReader::GetWideString(int i) const {
    return HucreAl<std::string>(Oku(i, {SutunTuru::WideText, SutunTuru::AnsiText}));
}
std::string TDBXReader::GetAnsiString(int i) const {
    return HucreAl<std::string>(Oku(i, {SutunTuru::AnsiText}));
}
std::string TDBXReader::GetBytes(int i) const {
    return HucreAl<std::string>(Oku(i, {SutunTuru::Bytes}));
}

void TDBXValue::HamAta(rvz::Deger d) {
    okuyucu_.reset();
    akis_.reset();
    json_.reset();
    deger_ = std::move(d);
}

void TDBXValue::SetNull() {
    HamAta({});
}
void TDBXValue::SetInt32(std::int32_t v) {
    HamAta(rvz::Deger::Integer(v));
}
void TDBXValue::SetDouble(double v) {
    HamAta(rvz::Deger::Double(v));
}
void TDBXValue::SetBoolean(bool v) {
    HamAta(rvz::Deger::Boolean(v));
}
void TDBXValue::SetWideString(const std::string& v) {
    HamAta(rvz::Deger::String(v));
}
void TDBXValue::SetJSONValue(std::unique_ptr<TJSONValue> v) {
    if (!v) {
        SetNull();
        return;
    }
    const bool dizi = v->Deger().is_array();
    HamAta(dizi ? rvz::Deger::Json(v->ToString()) : rvz::Deger::Kayit(v->ToString()));
    json_ = std::move(v);
}
void TDBXValue::SetCallbackValue(const std::string&) {
    throw UzakHata("Geri çağırma değerleri bu bağlantı üzerinden taşınmıyor");
}

void TDBXValue::Beklenen(DegerTuru tur) const {
    if (deger_.tur != tur)
        throw UzakHata("Tür uyuşmazlığı: " + std::string(DegerTuruAdi(tur)) + " beklenirken " +
                       std::string(DegerTuruAdi(deger_.tur)) + " okundu");
}

std::int32_t TDBXValue::GetInt32() const {
    Beklenen(DegerTuru::Integer);
    return static_cast<std::int32_t>(deger_.tam);
}
std::int64_t TDBXValue::GetInt64() const {
    if (deger_.tur == DegerTuru::Integer)
        return deger_.tam;
    Beklenen(DegerTuru::Int64);
    return deger_.tam;
}
double TDBXValue::GetDouble() const {
    Beklenen(DegerTuru::Double);
    return deger_.ondalik;
}
bool TDBXValue::GetBoolean() const {
    Beklenen(DegerTuru::Boolean);
    return deger_.tam != 0;
}
std::string TDBXValue::GetWideString() const {
    if (IsNull())
        return {};
    Beklenen(DegerTuru::String);
    return deger_.metin;
}
OleVariant TDBXValue::GetAsVariant() const {
    if (IsNull())
        return nullptr;
    Beklenen(DegerTuru::VeriPaketi);
    return deger_.tablo;
}

TDBXReader* TDBXValue::GetDBXReader(bool sahipKalsin) {
    if (IsNull())
        return nullptr;
    Beklenen(DegerTuru::TabloOkuyucu);
    auto okuyucu = std::make_unique<TDBXReader>(deger_.tablo);
    if (!sahipKalsin)
        return okuyucu.release();
    okuyucu_ = std::move(okuyucu);
    return okuyucu_.get();
}

TStream* TDBXValue::GetStream(bool sahipKalsin) {
    if (IsNull())
        return nullptr;
    Beklenen(DegerTuru::Akis);
    auto akis = std::make_unique<TStream>(deger_.metin);
    if (!sahipKalsin)
        return akis.release();
    akis_ = std::move(akis);
    return akis_.get();
}

TJSONValue* TDBXValue::GetJSONValue(bool sahipKalsin) {
    if (IsNull())
        return nullptr;
    if (deger_.tur != DegerTuru::JsonDizi && deger_.tur != DegerTuru::Kayit)
        Beklenen(DegerTuru::JsonDizi);
    Json j = Json::parse(deger_.metin, nullptr, false);
    if (j.is_discarded())
        throw UzakHata("Sunucudan gelen JSON değeri okunamadı");
    auto deger = std::make_unique<TJSONValue>(std::move(j));
    if (!sahipKalsin)
        return deger.release();
    json_ = std::move(deger);
    return json_.get();
}

void TDBXCommand::Prepare() {
    if (CommandType != kKomutTuru)
        throw UzakHata("Desteklenmeyen komut türü: " + CommandType);
    const auto* uye = TamAdlaBul(Text);
    if (!uye)
        throw UzakHata("Bilinmeyen uzak yöntem: " + Text);
    parametreler_.clear();
    for (int i = 0; i < uye->KonumSayisi(); ++i)
        parametreler_.push_back(std::make_unique<TDBXParameter>(uye->Konum(i)));
    uye_ = uye;
}

const Uye& TDBXCommand::Uyesi() const {
    if (!uye_)
        throw UzakHata("Komut hazırlanmadı");
    return *uye_;
}

TDBXParameter& TDBXCommand::Parameter(int i) {
    if (i < 0 || i >= ParameterCount())
        throw UzakHata("Parametre " + std::to_string(i) + " yok (" + Text + ")");
    return *parametreler_[static_cast<std::size_t>(i)];
}

void TDBXCommand::FreeOnExecute(std::unique_ptr<TKayit> nesne) {
    serbestBirakilacak_.push_back(std::move(nesne));
}

void TDBXCommand::ExecuteUpdate() {
    const auto& uye = Uyesi();
    // What the previous execution left is released now.
    serbestBirakilacak_.clear();
    Degerler girdiler(static_cast<std::size_t>(uye.KonumSayisi()));
    for (int i = 0; i < uye.KonumSayisi(); ++i) {
        auto& p = *parametreler_[static_cast<std::size_t>(i)];
        if (p.Tanim().yon == Yon::Girdi)
            girdiler[static_cast<std::size_t>(i)] = p.Value().Ham();
        else
            p.Value().SetNull();
    }
    ++calistirma_;
    auto cevap = baglanti_.Yurut(uye, girdiler);
    if (static_cast<int>(cevap.size()) != uye.KonumSayisi())
        throw UzakHata("Sunucunun cevabı " + Text + " imzasına uymuyor: " + std::to_string(cevap.size()) +
                       " değer geldi, " + std::to_string(uye.KonumSayisi()) + " bekleniyordu");
    for (int i = 0; i < uye.KonumSayisi(); ++i) {
        auto& p = *parametreler_[static_cast<std::size_t>(i)];
        if (p.Tanim().yon != Yon::Cikti)
            continue;
        auto& d = cevap[static_cast<std::size_t>(i)];
        if (auto hata = KonumDenetle(uye, i, d); !hata.empty())
            throw UzakHata("Sunucunun cevabı imzaya uymuyor: " + hata);
        p.Value().HamAta(std::move(d));
    }
}

} // namespace rvz
