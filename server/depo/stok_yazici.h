// Writes stock items with their search key, for the demo and the CSV import alike.
#pragma once

#include "depo.h"

#include <string>

namespace rvz::sunucu {

struct StokKaydi {
    std::string KOD, BARKOD, OEM1, OEM2, OEM3, OEM4, OEMNO, OZELKOD, OZELKOD1, URETICIKODU, FINISHKOD, DPKOD,
        PKOD;
    std::string ADI, DIGERADI, MARKA, MODEL, ANAGRUP, ALTGRUP, DEPARTMAN, BIRIM = "ADET";
    std::int64_t BARKODNO = 0, DURUM = 0, YENI = 0, KAMPANYA = 0;
    double KALAN = 0, KDV = 20, LISTEFIYAT = 0, KAMPFIYAT = 0;
    std::string RESIM; // JPEG bytes, empty for none
};

// Inserts the item, or updates the one with the same KOD; answers its STOKNO.
// Runs inside the caller's transaction.
std::int64_t StokYaz(DepoBaglantisi& b, const StokKaydi& s);

} // namespace rvz::sunucu
