#include "cari_secimi.h"

#include "seccariu.h"

namespace rvz::sales {

bool CariSecimiAc(app::TBaglanti& bagim, TSonucBilgisi& Bilgim, QWidget* ust) {
    Tseccari pencere(bagim, Bilgim, ust);
    pencere.SepetSayisiYaz();
    pencere.TusSonuclari();
    return pencere.exec() == QDialog::Accepted;
}

bool CariDegistir(app::TBaglanti& bag, TSonucBilgisi& bilgi, QWidget* ust) {
    return CariSecimiAc(bag, bilgi, ust);
}

} // namespace rvz::sales
