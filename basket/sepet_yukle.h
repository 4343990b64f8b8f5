// SepetiGetir: the local copy `sepet` of the active dealer's basket, read again from the server.
#pragma once

#include "baglanti.h"

namespace rvz {
class TVeriSeti;
}

namespace rvz::sepet {

// On an opened connection: SepetVer2 for `carino` into `sepet`, number formats applied.
void SepetVerisiniDoldur(app::TBaglanti& acik, int carino, TVeriSeti& sepet);

// On a fresh copy of `bagc`, opened with its final failure message. False when it could not be
// opened; the dataset then keeps what it held.
bool SepetiGetir(const app::TBaglanti& bagc, int carino, TVeriSeti& sepet);

} // namespace rvz::sepet
