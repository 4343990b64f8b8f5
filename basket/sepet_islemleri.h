// The basket line operations sent to the server from the user-interface thread.
#pragma once

#include "baglanti.h"
#include "baglantiu.h"

#include <QString>

namespace rvz {
class TVeriSeti;
}

namespace rvz::sepet {

// SepetEkle2 for the current row of an item list on the main connection. The server's answer,
// or nothing when the connection could not be opened.
std::optional<int> SepeteSatirEkle(app::TBaglanti& bagc, const TSonucBilgisi& sbilgi, const TVeriSeti& liste,
                                   int miktar);

// SepetGuncelle2 for the current basket line: its SIRANO, its discounts sent back unchanged.
void SepetSatiriGuncelle(app::TBaglanti& bagc, const TSonucBilgisi& sbilgi, const TVeriSeti& sepet,
                         int miktar, double birimFiyat);

// SepetSecimGuncelle on a connection copy. False when it did not go through.
bool SecimGuncelle(const app::TBaglanti& bagc, int sirano, int secim);

} // namespace rvz::sepet
