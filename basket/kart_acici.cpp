#include "kart_acici.h"

#include "kart_bilgisi.h"
#include "sepet_islemleri.h"
#include "sepet_sekmesi.h"
#include "stokayarinti.h"
#include "veriseti.h"

namespace rvz::sepet {

TKartAcici::TKartAcici(QWidget* ana, app::TBaglanti& bagc, TSonucBilgisi& sbilgi, TVeriSeti& sepet,
                       TSepetSekmesi& sepetSekmesi)
    : ana_(ana), bagc_(bagc), sbilgi_(sbilgi), sepet_(sepet), sepetSekmesi_(sepetSekmesi) {}

void TKartAcici::ListedenKartAc(TVeriSeti& liste, int satir, KartKaynagi kaynak) {
    if (satir < 0 || satir >= liste.RecordCount())
        return;
    const int sutun = liste.AlanNo("STOK_STOKNO");
    const int stokno = sutun < 0 ? 0 : liste.Deger(satir, sutun).toInt();
    liste.Locate("STOK_STOKNO", stokno);
    // The tab's own load may be writing the basket right now; its result is the one to look in.
    sepetSekmesi_.YuklemeyiBekle();
    if (!sepet_.Acik())
        sepetSekmesi_.SepetiGetir();
    if (sepet_.Acik() && sepet_.Locate("STOKNO", stokno)) {
        SepettenKartAc(sepet_.FieldByName("SIRANO").toInt());
        return;
    }
    katalog::Tstokayarinti kart(bagc_, ana_);
    switch (kaynak) {
    case KartKaynagi::Stok:
        kart.Doldur(katalog::StoktanBilgi(liste));
        break;
    case KartKaynagi::Yeniler:
        kart.Doldur(katalog::YenilerdenBilgi(liste));
        break;
    case KartKaynagi::Kampanya:
        kart.Doldur(katalog::KampanyadanBilgi(liste));
        break;
    }
    if (kart.exec() != QDialog::Accepted)
        return;
    if (SepeteSatirEkle(bagc_, sbilgi_, liste, *kart.Adet()) == 1)
        sepetSekmesi_.SepetiGetir();
}

void TKartAcici::SepettenKartAc(int sirano) {
    if (!sepet_.Locate("SIRANO", sirano))
        return;
    katalog::Tstokayarinti kart(bagc_, ana_);
    kart.Doldur(katalog::SepettenBilgi(sepet_));
    if (kart.exec() != QDialog::Accepted)
        return;
    SepetSatiriGuncelle(bagc_, sbilgi_, sepet_, *kart.Adet(), kart.BirimFiyat());
    sepetSekmesi_.SepetiGetir();
}

} // namespace rvz::sepet
