// Where the customer selection opens: at the login of a sales representative and from the main
// window's "Başka Cari Seç".
#pragma once

#include "baglanti.h"
#include "baglantiu.h"

class QWidget;

namespace rvz::sales {

// Shows the window modally over `ust` with its counts loading; true when a dealer was chosen
// (the session's CARINO, carikod and CariAdi are then that dealer's). "Vazgeç" or closing
// answers false and leaves the session as it was; the login then ends the program.
bool CariSecimiAc(app::TBaglanti& bagim, TSonucBilgisi& Bilgim, QWidget* ust);

// "Başka Cari Seç": the same window; false keeps the current dealer. The caller refreshes its
// labels, basket and stock tab afterwards whatever the answer.
bool CariDegistir(app::TBaglanti& bag, TSonucBilgisi& bilgi, QWidget* ust);

} // namespace rvz::sales
