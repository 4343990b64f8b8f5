// What the item card shows, read from the row it is opened for: one routine per source.
#pragma once

#include <QString>

namespace rvz {
class TVeriSeti;
}

namespace rvz::katalog {

struct KartBilgisi {
    int stokno = 0; // the item whose picture is shown
    QString barkod, adi, finishkod, marka, model;
    int adet = 1;
    double birimFiyat = 0;
    double netFiyat = 0;
    double kdvDahil = 0;   // the VAT-inclusive field
    double kdvliFiyat = 0; // what the line total starts from
    bool kampanya = false; // "Kampanyalı Fiyat:" as the unit price caption
    QString indirimBasligi = QStringLiteral("İndirim:");
};

// The current row of each source dataset.
KartBilgisi StoktanBilgi(const TVeriSeti& stok);
KartBilgisi YenilerdenBilgi(const TVeriSeti& yeniler);
KartBilgisi KampanyadanBilgi(const TVeriSeti& kampstok);
KartBilgisi SepettenBilgi(const TVeriSeti& sepet);

} // namespace rvz::katalog
