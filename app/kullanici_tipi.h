// What the user type (MusteriTipi of the session) changes in the program: one place for
// every window that asks.
#pragma once

namespace rvz::app {

struct KullaniciTipiKurallari {
    bool baskaCariSec = false; // "Başka Cari Seç" and the customer selection at login
    bool raporlar = false;     // "Raporlar" in the general menu
    bool satisSutunlari =
        false; // KALAN, ALINANSIPARIS, VERILENSIPARIS in the item lists; "Kalan" in the basket
    bool sepetDurumGizli = false; // the basket's "Durum" column hidden and out of the column chooser
    bool kampanyaGizli = false;   // the campaign tab and the campaign columns hidden
    bool ilkFiyat = false;        // the first-price column of backorders
    bool fiyatDegistir = false;   // backorder prices may be changed
    bool birimFiyatYazar = false; // types the unit price on the item card
};

// The rules of `musteriTipi`; any value without rules leaves everything as designed.
KullaniciTipiKurallari KurallariVer(int musteriTipi);

// Sales representatives, who act for a dealer they choose.
inline bool SaticiMi(int musteriTipi) {
    return musteriTipi == 1 || musteriTipi == 2;
}

} // namespace rvz::app
