#include "sepet_islemleri.h"

#include "baglanti_ac.h"
#include "proxim.h"
#include "veriseti.h"

namespace rvz::sepet {

namespace {

TSonucBilgisi* Kopya(const TSonucBilgisi& sbilgi) {
    auto* k = new TSonucBilgisi;
    k->Kopyala(sbilgi);
    return k;
}

double Sayi(const TVeriSeti& v, const char* alan) {
    return v.FieldByName(alan).toDouble();
}

std::string Metin(const TVeriSeti& v, const char* alan) {
    return v.AlanMetni(alan).toStdString();
}

} // namespace

std::optional<int> SepeteSatirEkle(app::TBaglanti& bagc, const TSonucBilgisi& sbilgi, const TVeriSeti& liste,
                                   int miktar) {
    if (!app::BaglantiAc(bagc, 1))
        return std::nullopt;
    int sonuc = 0;
    {
        TServerMethods1Client istemci(bagc.DBXConnection());
        sonuc = istemci.SepetEkle2(Kopya(sbilgi), sbilgi.CARINO, liste.FieldByName("STOK_STOKNO").toInt(),
                                   Metin(liste, "BARKOD"), Metin(liste, "ADI"), miktar,
                                   liste.FieldByName("KDV").toInt(), Sayi(liste, "FIYAT"),
                                   Sayi(liste, "IND1"), sbilgi.Sirano, liste.FieldByName("K").toInt(),
                                   Sayi(liste, "IND2"), Sayi(liste, "IND3"), Sayi(liste, "IND4"));
    }
    bagc.Kapat();
    return sonuc;
}

void SepetSatiriGuncelle(app::TBaglanti& bagc, const TSonucBilgisi& sbilgi, const TVeriSeti& sepet,
                         int miktar, double birimFiyat) {
    if (!app::BaglantiAc(bagc, 1))
        return;
    {
        TServerMethods1Client istemci(bagc.DBXConnection());
        istemci.SepetGuncelle2(Kopya(sbilgi), sbilgi.CARINO, 0, Metin(sepet, "BARKOD"),
                               Metin(sepet, "STOKADI"), miktar, sepet.FieldByName("KDV").toInt(), birimFiyat,
                               Sayi(sepet, "INDIRIMORANI1"), sbilgi.Sirano,
                               sepet.FieldByName("SIRANO").toInt(), Sayi(sepet, "INDIRIMORANI2"),
                               Sayi(sepet, "INDIRIMORANI3"), Sayi(sepet, "INDIRIMORANI4"));
    }
    bagc.Kapat();
}

bool SecimGuncelle(const app::TBaglanti& bagc, int sirano, int secim) {
    try {
        const auto kopya = bagc.Kopya();
        if (!app::BaglantiAc(*kopya, 1))
            return false;
        {
            TServerMethods1Client istemci(kopya->DBXConnection());
            istemci.SepetSecimGuncelle(sirano, secim);
        }
        kopya->Kapat();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace rvz::sepet
