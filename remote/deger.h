// Values that cross the wire: the kinds of a remote method's parameters and results,
// and tables with named, typed columns.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace rvz {

// Kind of a parameter or result value. The numbers are the wire tags.
enum class DegerTuru : std::uint8_t {
    Null = 0,
    Integer = 1,
    Int64 = 2,
    Double = 3,
    Boolean = 4,
    String = 5,
    VeriPaketi = 6,   // dataset packet (OleVariant): assigned whole to a dataset
    TabloOkuyucu = 7, // table reader (TDBXReader): read forward, row by row
    Akis = 8,         // stream of bytes (TStream)
    JsonDizi = 9,     // JSON array (TJSONArray)
    Kayit = 10,       // record object in its JSON form
    Callback = 11,    // callback (TDBXCallback); declared, never carried
};

std::string_view DegerTuruAdi(DegerTuru tur);

// Kind of a table column. The numbers are the wire tags.
enum class SutunTuru : std::uint8_t {
    Integer = 1,
    Int64 = 2,
    Double = 3,
    Currency = 4,
    Bcd = 5, // fixed-point decimal
    Boolean = 6,
    Date = 7,     // OLE Automation date (days since 1899-12-30), no time part
    DateTime = 8, // OLE Automation date with the time as the fraction
    WideText = 9,
    AnsiText = 10, // 8-bit text
    Bytes = 11,
};

std::string_view SutunTuruAdi(SutunTuru tur);
bool SutunTuruGecerli(std::uint8_t tur);

// Which member of Hucre a column kind uses.
enum class HucreBicimi { Tamsayi, Ondalik, Metin };
HucreBicimi HucreBicimiVer(SutunTuru tur);

// A table cell: null, a whole number (integer kinds, boolean), a floating-point number
// (double, currency, decimal, dates) or text (texts, bytes).
using Hucre = std::variant<std::monostate, std::int64_t, double, std::string>;

struct Sutun {
    std::string ad;
    SutunTuru tur = SutunTuru::WideText;
    bool operator==(const Sutun&) const = default;
};

struct Tablo {
    std::vector<Sutun> sutunlar;
    std::vector<std::vector<Hucre>> satirlar;

    // Index of the column with this name (exact match), or -1.
    int SutunNo(std::string_view ad) const;
    Sutun& SutunEkle(std::string ad, SutunTuru tur);
    bool operator==(const Tablo&) const = default;
};

// One parameter or result value.
struct Deger {
    DegerTuru tur = DegerTuru::Null;
    std::int64_t tam = 0;               // Integer, Int64, Boolean
    double ondalik = 0;                 // Double
    std::string metin;                  // String, Akis (the bytes), JsonDizi and Kayit (JSON text)
    std::shared_ptr<const Tablo> tablo; // VeriPaketi, TabloOkuyucu

    bool IsNull() const { return tur == DegerTuru::Null; }

    static Deger Bos() { return {}; }
    static Deger Integer(std::int32_t v);
    static Deger Int64(std::int64_t v);
    static Deger Double(double v);
    static Deger Boolean(bool v);
    static Deger String(std::string v);
    static Deger Paket(Tablo t);
    static Deger Okuyucu(Tablo t);
    static Deger Akis(std::string baytlar);
    static Deger Json(std::string metin);
    static Deger Kayit(std::string json);
};

using Degerler = std::vector<Deger>;

// Current time as an OLE Automation date, and conversions from a civil date.
double OleTarih(int yil, int ay, int gun, int saat = 0, int dakika = 0, int saniye = 0);

} // namespace rvz
