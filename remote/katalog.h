// The member catalogue of TServerMethods1: every remote method with its parameters
// (names as the server names them, kinds, directions) and its result. Client and server
// both use it: wire positions, argument checks and reply checks all follow from it.
#pragma once

#include "deger.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rvz {

inline constexpr std::string_view kSinifOnEki = "TServerMethods1.";
inline constexpr std::string_view kKomutTuru = "DataSnap.ServerMethod";

enum class Yon { Girdi, Cikti };

struct Parametre {
    std::string_view ad;
    DegerTuru tur;
    Yon yon = Yon::Girdi;
    std::string_view sinif = {}; // record class for DegerTuru::Kayit; empty means any object
};

struct Uye {
    std::string_view ad;
    std::vector<Parametre> parametreler;
    std::optional<DegerTuru> sonuc; // none for a method without a result
    std::string_view sonucSinifi = {};
    bool cagriliyor = true; // false for the members no window calls

    // Number of wire positions: every parameter, then the result.
    int KonumSayisi() const { return static_cast<int>(parametreler.size()) + (sonuc ? 1 : 0); }
    // Position of the result, or -1.
    int SonucKonumu() const { return sonuc ? static_cast<int>(parametreler.size()) : -1; }
    // Kind, direction and class of the value at a wire position (the result counts as an out).
    Parametre Konum(int i) const;
    std::string TamAd() const { return std::string(kSinifOnEki) + std::string(ad); }
};

const std::vector<Uye>& Katalog();
const Uye* UyeBul(std::string_view ad);      // by member name
const Uye* TamAdlaBul(std::string_view tam); // by "TServerMethods1." + name
int UyeNo(std::string_view ad);              // index in Katalog(), or -1

// The error text for a value that does not fit a wire position, or empty when it fits.
std::string KonumDenetle(const Uye& uye, int konum, const Deger& d);

} // namespace rvz
