// What every business handler shares: the storage, the settings, the caller and the
// helpers that register a handler with the caller's identity checked.
#pragma once

#include "dagitici.h"
#include "depo.h"

#include <optional>
#include <string>

namespace rvz::sunucu {

struct IsAyarlari {
    int beklenenSurum = 13; // the client version the server expects (Version of the login record)
    int enCokAramaSonucu = 3000;
};

struct IsOrtami {
    Depo& depo;
    IsAyarlari ayarlar;
};

// The user behind the calling machine.
struct Arayan {
    int sirano = 0;
    std::string adi;
    int tip = 0;      // MusteriTipi 0..4
    int carino = 0;   // own dealer account (dealer users)
    int saticino = 0; // own representative number (representatives)
    bool Temsilci() const { return tip == 1 || tip == 2; }
};

std::optional<Arayan> ArayanBul(DepoBaglantisi& b, const std::string& makineId);

// Raises the refusal unless the caller may act for dealer `carino`:
// dealers only for their own account, type 1 for the dealers assigned to them, type 2 for all.
void CariYetkisi(DepoBaglantisi& b, const Arayan& a, std::int64_t carino);
// The active dealer of a session record argument, checked against the caller's rights.
int OturumCarisi(DepoBaglantisi& b, const Arayan& a, const Konumlar& k, int konum);

// One call of a business handler.
struct IsCagrisi {
    IsOrtami& ortam;
    DepoBaglantisi& b;
    const Arayan& arayan;
    Konumlar& k;
};

// Registers a member whose handler runs with a storage connection and a registered caller.
void IsKaydet(Dagitici& d, IsOrtami& o, std::string_view uye, std::function<void(IsCagrisi&)> f);

// Input texts: control characters removed (tab and line breaks kept when `satirli`),
// refused with a Turkish message when longer than `enCok` characters.
std::string TemizMetin(std::string_view s, std::size_t enCok, std::string_view alan, bool satirli = false);
// A quantity must be a finite number above zero and at most 100,000.
double MiktarDenetle(double miktar);

// Current local time as an OLE Automation date.
double Simdi();

} // namespace rvz::sunucu
