#include "kodlama.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace rvz {

namespace {
constexpr std::size_t kOnAyirmaSiniri = 16u << 20;
}

static_assert(std::endian::native == std::endian::little,
              "the wire format is written for little-endian hosts");

void Yazici::U16(std::uint16_t v) {
    tampon_.append(reinterpret_cast<const char*>(&v), 2);
}
void Yazici::U32(std::uint32_t v) {
    tampon_.append(reinterpret_cast<const char*>(&v), 4);
}
void Yazici::U64(std::uint64_t v) {
    tampon_.append(reinterpret_cast<const char*>(&v), 8);
}
void Yazici::F64(double v) {
    tampon_.append(reinterpret_cast<const char*>(&v), 8);
}
void Yazici::Metin(std::string_view s) {
    U32(static_cast<std::uint32_t>(s.size()));
    tampon_.append(s);
}

std::string_view Okuyucu::Ham(std::size_t n) {
    if (n > Kalan())
        throw ProtokolHatasi("ileti beklenenden kısa");
    auto parca = veri_.substr(konum_, n);
    konum_ += n;
    return parca;
}
std::uint8_t Okuyucu::U8() {
    return static_cast<std::uint8_t>(Ham(1)[0]);
}
std::uint16_t Okuyucu::U16() {
    std::uint16_t v;
    std::memcpy(&v, Ham(2).data(), 2);
    return v;
}
std::uint32_t Okuyucu::U32() {
    std::uint32_t v;
    std::memcpy(&v, Ham(4).data(), 4);
    return v;
}
std::uint64_t Okuyucu::U64() {
    std::uint64_t v;
    std::memcpy(&v, Ham(8).data(), 8);
    return v;
}
double Okuyucu::F64() {
    double v;
    std::memcpy(&v, Ham(8).data(), 8);
    return v;
}
std::string Okuyucu::Metin() {
    const auto n = U32();
    return std::string(Ham(n));
}
void Okuyucu::SonuBekle() const {
    if (Kalan() != 0)
        throw ProtokolHatasi("iletinin sonunda fazla bayt var");
}

void TabloYaz(Yazici& y, const Tablo& t) {
    // A rough size up front spares the buffer its repeated growth on large tables.
    y.Tampon().reserve(y.Tampon().size() + t.satirlar.size() * t.sutunlar.size() * 10 + 64);
    y.U32(static_cast<std::uint32_t>(t.sutunlar.size()));
    for (const auto& s : t.sutunlar) {
        y.Metin(s.ad);
        y.U8(static_cast<std::uint8_t>(s.tur));
    }
    y.U32(static_cast<std::uint32_t>(t.satirlar.size()));
    const auto n = t.sutunlar.size();
    for (const auto& satir : t.satirlar) {
        if (satir.size() != n)
            throw ProtokolHatasi("tablo satırının hücre sayısı sütun sayısına uymuyor");
        for (std::size_t i = 0; i < n; ++i) {
            const auto& h = satir[i];
            if (std::holds_alternative<std::monostate>(h)) {
                y.U8(0);
                continue;
            }
            y.U8(1);
            switch (t.sutunlar[i].tur) {
            case SutunTuru::Integer:
                y.U32(static_cast<std::uint32_t>(std::get<std::int64_t>(h)));
                break;
            case SutunTuru::Int64:
                y.U64(static_cast<std::uint64_t>(std::get<std::int64_t>(h)));
                break;
            case SutunTuru::Boolean:
                y.U8(std::get<std::int64_t>(h) != 0 ? 1 : 0);
                break;
            case SutunTuru::Double:
            case SutunTuru::Currency:
            case SutunTuru::Bcd:
            case SutunTuru::Date:
            case SutunTuru::DateTime:
                y.F64(std::get<double>(h));
                break;
            case SutunTuru::WideText:
            case SutunTuru::AnsiText:
            case SutunTuru::Bytes:
                y.Metin(std::get<std::string>(h));
                break;
            }
        }
    }
}

Tablo TabloOku(Okuyucu& o) {
    Tablo t;
    const auto sutunSayisi = o.U32();
    if (sutunSayisi > o.Kalan() / 5) // every column takes at least five bytes
        throw ProtokolHatasi("tablonun sütun sayısı iletiye sığmıyor");
    t.sutunlar.reserve(sutunSayisi);
    for (std::uint32_t i = 0; i < sutunSayisi; ++i) {
        auto ad = o.Metin();
        const auto tur = o.U8();
        if (!SutunTuruGecerli(tur))
            throw ProtokolHatasi("bilinmeyen sütun türü " + std::to_string(tur));
        t.sutunlar.push_back({std::move(ad), static_cast<SutunTuru>(tur)});
    }
    const auto satirSayisi = o.U32();
    if (sutunSayisi > 0 && satirSayisi > o.Kalan() / sutunSayisi) // every cell takes at least one byte
        throw ProtokolHatasi("tablonun satır sayısı iletiye sığmıyor");
    t.satirlar.reserve(satirSayisi);
    for (std::uint32_t r = 0; r < satirSayisi; ++r) {
        auto& satir = t.satirlar.emplace_back();
        satir.resize(sutunSayisi);
        for (std::uint32_t i = 0; i < sutunSayisi; ++i) {
            const auto bayrak = o.U8();
            if (bayrak == 0)
                continue;
            if (bayrak != 1)
                throw ProtokolHatasi("geçersiz hücre işareti");
            switch (t.sutunlar[i].tur) {
            case SutunTuru::Integer:
                satir[i] = std::int64_t{static_cast<std::int32_t>(o.U32())};
                break;
            case SutunTuru::Int64:
                satir[i] = static_cast<std::int64_t>(o.U64());
                break;
            case SutunTuru::Boolean:
                satir[i] = std::int64_t{o.U8() != 0};
                break;
            case SutunTuru::Double:
            case SutunTuru::Currency:
            case SutunTuru::Bcd:
            case SutunTuru::Date:
            case SutunTuru::DateTime:
                satir[i] = o.F64();
                break;
            case SutunTuru::WideText:
            case SutunTuru::AnsiText:
            case SutunTuru::Bytes:
                satir[i] = o.Metin();
                break;
            }
        }
    }
    return t;
}

void DegerYaz(Yazici& y, const Deger& d) {
    y.U8(static_cast<std::uint8_t>(d.tur));
    switch (d.tur) {
    case DegerTuru::Null:
        break;
    case DegerTuru::Integer:
        y.U32(static_cast<std::uint32_t>(static_cast<std::int32_t>(d.tam)));
        break;
    case DegerTuru::Int64:
        y.U64(static_cast<std::uint64_t>(d.tam));
        break;
    case DegerTuru::Double:
        y.F64(d.ondalik);
        break;
    case DegerTuru::Boolean:
        y.U8(d.tam != 0 ? 1 : 0);
        break;
    case DegerTuru::String:
    case DegerTuru::JsonDizi:
    case DegerTuru::Kayit:
    case DegerTuru::Callback:
        y.Metin(d.metin);
        break;
    case DegerTuru::Akis:
        y.U64(d.metin.size());
        y.Ham(d.metin);
        break;
    case DegerTuru::VeriPaketi:
    case DegerTuru::TabloOkuyucu:
        if (d.tablo)
            TabloYaz(y, *d.tablo);
        else
            TabloYaz(y, Tablo{});
        break;
    }
}

Deger DegerOku(Okuyucu& o) {
    const auto tur = o.U8();
    Deger d;
    switch (static_cast<DegerTuru>(tur)) {
    case DegerTuru::Null:
        return d;
    case DegerTuru::Integer:
        return Deger::Integer(static_cast<std::int32_t>(o.U32()));
    case DegerTuru::Int64:
        return Deger::Int64(static_cast<std::int64_t>(o.U64()));
    case DegerTuru::Double:
        return Deger::Double(o.F64());
    case DegerTuru::Boolean: {
        const auto b = o.U8();
        if (b > 1)
            throw ProtokolHatasi("geçersiz Boolean değeri");
        return Deger::Boolean(b == 1);
    }
    case DegerTuru::String:
        return Deger::String(o.Metin());
    case DegerTuru::JsonDizi:
        return Deger::Json(o.Metin());
    case DegerTuru::Kayit:
        return Deger::Kayit(o.Metin());
    case DegerTuru::Callback:
        d.tur = DegerTuru::Callback;
        d.metin = o.Metin();
        return d;
    case DegerTuru::Akis: {
        const auto n = o.U64();
        if (n > o.Kalan())
            throw ProtokolHatasi("akışın uzunluğu iletiye sığmıyor");
        return Deger::Akis(std::string(o.Ham(static_cast<std::size_t>(n))));
    }
    case DegerTuru::VeriPaketi:
        return Deger::Paket(TabloOku(o));
    case DegerTuru::TabloOkuyucu:
        return Deger::Okuyucu(TabloOku(o));
    }
    throw ProtokolHatasi("bilinmeyen değer türü " + std::to_string(tur));
}

namespace {

// Starts a frame: room for the length, then the message type.
Yazici CerceveBaslat(MesajTuru tur) {
    Yazici y;
    y.U32(0);
    y.U8(static_cast<std::uint8_t>(tur));
    return y;
}

std::string CerceveBitir(Yazici& y) {
    auto& t = y.Tampon();
    const auto uzunluk = static_cast<std::uint32_t>(t.size() - kCerceveBasligi);
    std::memcpy(t.data(), &uzunluk, 4);
    return std::move(t);
}

void DegerlerYaz(Yazici& y, const Degerler& dd) {
    y.U16(static_cast<std::uint16_t>(dd.size()));
    for (const auto& d : dd)
        DegerYaz(y, d);
}

Degerler DegerlerOku(Okuyucu& o) {
    const auto n = o.U16();
    if (n > o.Kalan())
        throw ProtokolHatasi("değer sayısı iletiye sığmıyor");
    Degerler dd;
    dd.reserve(n);
    for (std::uint16_t i = 0; i < n; ++i)
        dd.push_back(DegerOku(o));
    return dd;
}

Okuyucu GovdeBaslat(std::string_view govde, MesajTuru beklenen) {
    Okuyucu o(govde);
    const auto tur = o.U8();
    if (tur != static_cast<std::uint8_t>(beklenen))
        throw ProtokolHatasi("beklenmeyen ileti türü");
    return o;
}

} // namespace

std::string MerhabaKodla(const Merhaba& m) {
    auto y = CerceveBaslat(MesajTuru::Merhaba);
    y.Ham(std::string_view(kSihirliSozcuk, 4));
    y.U16(m.surum);
    y.Metin(m.makineId);
    return CerceveBitir(y);
}

std::string MerhabaCevapKodla(const MerhabaCevap& m) {
    auto y = CerceveBaslat(MesajTuru::MerhabaCevap);
    y.U16(m.surum);
    y.Metin(m.sunucuAdi);
    return CerceveBitir(y);
}

std::string CagriKodla(const Cagri& c) {
    auto y = CerceveBaslat(MesajTuru::Cagri);
    y.Metin(c.yontem);
    DegerlerYaz(y, c.degerler);
    return CerceveBitir(y);
}

std::string CevapKodla(const Degerler& degerler) {
    auto y = CerceveBaslat(MesajTuru::Cevap);
    DegerlerYaz(y, degerler);
    return CerceveBitir(y);
}

std::string HataKodla(std::string_view metin) {
    auto y = CerceveBaslat(MesajTuru::Hata);
    y.Metin(metin);
    return CerceveBitir(y);
}

MesajTuru MesajTuruOku(std::string_view govde) {
    if (govde.empty())
        throw ProtokolHatasi("boş ileti");
    return static_cast<MesajTuru>(govde[0]);
}

Merhaba MerhabaCoz(std::string_view govde) {
    auto o = GovdeBaslat(govde, MesajTuru::Merhaba);
    if (o.Ham(4) != std::string_view(kSihirliSozcuk, 4))
        throw ProtokolHatasi("selamlaşma tanınmadı");
    Merhaba m;
    m.surum = o.U16();
    m.makineId = o.Metin();
    o.SonuBekle();
    return m;
}

MerhabaCevap MerhabaCevapCoz(std::string_view govde) {
    auto o = GovdeBaslat(govde, MesajTuru::MerhabaCevap);
    MerhabaCevap m;
    m.surum = o.U16();
    m.sunucuAdi = o.Metin();
    o.SonuBekle();
    return m;
}

Cagri CagriCoz(std::string_view govde) {
    auto o = GovdeBaslat(govde, MesajTuru::Cagri);
    Cagri c;
    c.yontem = o.Metin();
    c.degerler = DegerlerOku(o);
    o.SonuBekle();
    return c;
}

Cevap CevapCoz(std::string_view govde) {
    Cevap c;
    if (MesajTuruOku(govde) == MesajTuru::Hata) {
        auto o = GovdeBaslat(govde, MesajTuru::Hata);
        c.hata = true;
        c.hataMetni = o.Metin();
        o.SonuBekle();
        return c;
    }
    auto o = GovdeBaslat(govde, MesajTuru::Cevap);
    c.degerler = DegerlerOku(o);
    o.SonuBekle();
    return c;
}

CerceveAyirici::Durum CerceveAyirici::Sonraki(std::string& govde) {
    if (!hata_.empty())
        return Durum::Bozuk;
    if (tampon_.size() < kCerceveBasligi)
        return Durum::DahaFazla;
    std::uint32_t uzunluk;
    std::memcpy(&uzunluk, tampon_.data(), 4);
    if (uzunluk == 0) {
        hata_ = "boş çerçeve";
        return Durum::Bozuk;
    }
    if (uzunluk > enBuyuk_) {
        hata_ = "çerçeve çok büyük: " + std::to_string(uzunluk) + " bayt (en çok " +
                std::to_string(enBuyuk_) + ")";
        return Durum::Bozuk;
    }
    if (tampon_.size() - kCerceveBasligi < uzunluk) {
        // Room for the whole frame at once; what is reserved but not yet received costs no memory.
        tampon_.reserve(std::min<std::size_t>(kCerceveBasligi + uzunluk, kOnAyirmaSiniri));
        return Durum::DahaFazla;
    }
    if (tampon_.size() == kCerceveBasligi + uzunluk) {
        // The usual case: the buffer holds exactly this frame.
        govde.swap(tampon_);
        govde.erase(0, kCerceveBasligi);
        tampon_.clear();
        return Durum::Tamam;
    }
    govde.assign(tampon_, kCerceveBasligi, uzunluk);
    tampon_.erase(0, kCerceveBasligi + uzunluk);
    return Durum::Tamam;
}

std::size_t CerceveAyirici::Gereken() const {
    if (tampon_.size() < kCerceveBasligi)
        return kCerceveBasligi - tampon_.size();
    std::uint32_t uzunluk;
    std::memcpy(&uzunluk, tampon_.data(), 4);
    const auto var = tampon_.size() - kCerceveBasligi;
    return uzunluk > var ? uzunluk - var : 1;
}

} // namespace rvz
