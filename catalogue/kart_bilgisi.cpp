#include "kart_bilgisi.h"

#include "veriseti.h"
#include "yuvarla.h"

namespace rvz::katalog {

namespace {

// Fields of the current row; a column the result lacks reads as empty.
QVariant Alan(const TVeriSeti& v, const char* alan) {
    return v.AlanNo(alan) < 0 ? QVariant() : v.FieldByName(alan);
}
double Sayi(const TVeriSeti& v, const char* alan) {
    return Alan(v, alan).toDouble();
}
int Tam(const TVeriSeti& v, const char* alan) {
    return Alan(v, alan).toInt();
}
QString Metin(const TVeriSeti& v, const char* alan) {
    return v.AlanNo(alan) < 0 ? QString() : v.AlanMetni(alan);
}

// Header labels and prices as every item list carries them.
KartBilgisi ListeSatiri(const TVeriSeti& v) {
    KartBilgisi b;
    b.stokno = Tam(v, "STOK_STOKNO");
    b.barkod = Metin(v, "BARKOD");
    b.adi = Metin(v, "ADI");
    b.finishkod = Metin(v, "FINISHKOD");
    b.marka = Metin(v, "MARKA");
    b.model = Metin(v, "MODEL");
    b.birimFiyat = Sayi(v, "FIYAT");
    b.netFiyat = Sayi(v, "NETFIYAT");
    b.kdvDahil = Sayi(v, "KDVDAHIL");
    b.kdvliFiyat = b.kdvDahil;
    return b;
}

void KampanyaBicimi(KartBilgisi& b, const TVeriSeti& v) {
    b.kampanya = true;
    b.indirimBasligi = QStringLiteral("Kampanyalı ") + Metin(v, "INDIRIMYAZI");
    b.kdvDahil = Sayi(v, "KDVDAHIL");
}

double KdvEkle(double net, double kdv) {
    return app::Yuvarla(net * (1 + kdv / 100));
}

} // namespace

KartBilgisi StoktanBilgi(const TVeriSeti& stok) {
    auto b = ListeSatiri(stok);
    if (Tam(stok, "K") > 0)
        KampanyaBicimi(b, stok);
    else
        b.indirimBasligi = QStringLiteral("İndirim: %") + Metin(stok, "INDIRIMYAZI");
    return b;
}

KartBilgisi YenilerdenBilgi(const TVeriSeti& yeniler) {
    auto b = ListeSatiri(yeniler);
    if (Tam(yeniler, "K") > 0) {
        KampanyaBicimi(b, yeniler);
    } else {
        b.indirimBasligi = QStringLiteral("İndirim:  % ") + Metin(yeniler, "INDIRIMYAZI");
        b.kdvDahil = KdvEkle(b.netFiyat, Sayi(yeniler, "KDV"));
    }
    return b;
}

KartBilgisi KampanyadanBilgi(const TVeriSeti& kampstok) {
    auto b = ListeSatiri(kampstok);
    KampanyaBicimi(b, kampstok);
    return b;
}

KartBilgisi SepettenBilgi(const TVeriSeti& sepet) {
    KartBilgisi b;
    b.stokno = Tam(sepet, "STOKNO");
    b.barkod = Metin(sepet, "BARKOD");
    b.adi = Metin(sepet, "STOKADI");
    b.finishkod = Metin(sepet, "FINISHKOD");
    b.marka = Metin(sepet, "MARKA");
    b.model = Metin(sepet, "MODEL");
    b.adet = Tam(sepet, "MIKTAR");
    b.birimFiyat = Sayi(sepet, "BIRIMFIYAT");
    b.netFiyat = Sayi(sepet, "NETBIRIMFIYAT");
    b.kdvDahil = KdvEkle(b.netFiyat, Sayi(sepet, "KDV"));
    b.kdvliFiyat = b.kdvDahil;
    return b;
}

} // namespace rvz::katalog
