// The item card's entry routines: from an item list (the stock list, the new and campaign lists)
// and from a basket line. An item the basket already holds opens its line in change mode, so the
// basket never gets a second line for it.
#pragma once

#include "baglanti.h"
#include "baglantiu.h"

#include <functional>

class QWidget;

namespace rvz {
class TVeriSeti;
}

namespace rvz::sepet {

class TSepetSekmesi;

enum class KartKaynagi { Stok, Yeniler, Kampanya };

class TKartAcici {
public:
    TKartAcici(QWidget* ana, app::TBaglanti& bagc, TSonucBilgisi& sbilgi, TVeriSeti& sepet,
               TSepetSekmesi& sepetSekmesi);

    // `satir` is the list dataset's row; nothing happens without one.
    void ListedenKartAc(TVeriSeti& liste, int satir, KartKaynagi kaynak);
    // The basket line with this SIRANO, in change mode.
    void SepettenKartAc(int sirano);

private:
    QWidget* ana_;
    app::TBaglanti& bagc_;
    TSonucBilgisi& sbilgi_;
    TVeriSeti& sepet_;
    TSepetSekmesi& sepetSekmesi_;
    bool sepetYuklendi_ = false;
};

} // namespace rvz::sepet
