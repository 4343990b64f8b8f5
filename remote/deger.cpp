#include "deger.h"

#include <chrono>

namespace rvz {

std::string_view DegerTuruAdi(DegerTuru tur) {
    switch (tur) {
    case DegerTuru::Null:
        return "null";
    case DegerTuru::Integer:
        return "Integer";
    case DegerTuru::Int64:
        return "Int64";
    case DegerTuru::Double:
        return "Double";
    case DegerTuru::Boolean:
        return "Boolean";
    case DegerTuru::String:
        return "string";
    case DegerTuru::VeriPaketi:
        return "OleVariant";
    case DegerTuru::TabloOkuyucu:
        return "TDBXReader";
    case DegerTuru::Akis:
        return "TStream";
    case DegerTuru::JsonDizi:
        return "TJSONArray";
    case DegerTuru::Kayit:
        return "record";
    case DegerTuru::Callback:
        return "TDBXCallback";
    }
    return "?";
}

std::string_view SutunTuruAdi(SutunTuru tur) {
    switch (tur) {
    case SutunTuru::Integer:
        return "integer";
    case SutunTuru::Int64:
        return "int64";
    case SutunTuru::Double:
        return "double";
    case SutunTuru::Currency:
        return "currency";
    case SutunTuru::Bcd:
        return "decimal";
    case SutunTuru::Boolean:
        return "boolean";
    case SutunTuru::Date:
        return "date";
    case SutunTuru::DateTime:
        return "datetime";
    case SutunTuru::WideText:
        return "widetext";
    case SutunTuru::AnsiText:
        return "ansitext";
    case SutunTuru::Bytes:
        return "bytes";
    }
    return "?";
}

bool SutunTuruGecerli(std::uint8_t tur) {
    return tur >= 1 && tur <= 11;
}

HucreBicimi HucreBicimiVer(SutunTuru tur) {
    switch (tur) {
    case SutunTuru::Integer:
    case SutunTuru::Int64:
    case SutunTuru::Boolean:
        return HucreBicimi::Tamsayi;
    case SutunTuru::Double:
    case SutunTuru::Currency:
    case SutunTuru::Bcd:
    case SutunTuru::Date:
    case SutunTuru::DateTime:
        return HucreBicimi::Ondalik;
    case SutunTuru::WideText:
    case SutunTuru::AnsiText:
    case SutunTuru::Bytes:
        return HucreBicimi::Metin;
    }
    return HucreBicimi::Metin;
}

int Tablo::SutunNo(std::string_view ad) const {
    for (std::size_t i = 0; i < sutunlar.size(); ++i)
        if (sutunlar[i].ad == ad)
            return static_cast<int>(i);
    return -1;
}

Sutun& Tablo::SutunEkle(std::string ad, SutunTuru tur) {
    sutunlar.push_back({std::move(ad), tur});
    return sutunlar.back();
}

Deger Deger::Integer(std::int32_t v) {
    Deger d;
    d.tur = DegerTuru::Integer;
    d.tam = v;
    return d;
}
Deger Deger::Int64(std::int64_t v) {
    Deger d;
    d.tur = DegerTuru::Int64;
    d.tam = v;
    return d;
}
Deger Deger::Double(double v) {
    Deger d;
    d.tur = DegerTuru::Double;
    d.ondalik = v;
    return d;
}
Deger Deger::Boolean(bool v) {
    Deger d;
    d.tur = DegerTuru::Boolean;
    d.tam = v ? 1 : 0;
    return d;
}
Deger Deger::String(std::string v) {
    Deger d;
    d.tur = DegerTuru::String;
    d.metin = std::move(v);
    return d;
}
Deger Deger::Paket(Tablo t) {
    Deger d;
    d.tur = DegerTuru::VeriPaketi;
    d.tablo = std::make_shared<const Tablo>(std::move(t));
    return d;
}
Deger Deger::Okuyucu(Tablo t) {
    Deger d;
    d.tur = DegerTuru::TabloOkuyucu;
    d.tablo = std::make_shared<const Tablo>(std::move(t));
    return d;
}
Deger Deger::Akis(std::string baytlar) {
    Deger d;
    d.tur = DegerTuru::Akis;
    d.metin = std::move(baytlar);
    return d;
}
Deger Deger::Json(std::string metin) {
    Deger d;
    d.tur = DegerTuru::JsonDizi;
    d.metin = std::move(metin);
    return d;
}
Deger Deger::Kayit(std::string json) {
    Deger d;
    d.tur = DegerTuru::Kayit;
    d.metin = std::move(json);
    return d;
}

double OleTarih(int yil, int ay, int gun, int saat, int dakika, int saniye) {
    using namespace std::chrono;
    const auto gunler =
        sys_days{year{yil} / month{static_cast<unsigned>(ay)} / day{static_cast<unsigned>(gun)}};
    const auto taban = sys_days{year{1899} / December / day{30}};
    return static_cast<double>((gunler - taban).count()) + (saat * 3600 + dakika * 60 + saniye) / 86400.0;
}

} // namespace rvz
