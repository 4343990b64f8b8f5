#include "sekmebasligi.h"

namespace rvz {

TSonuc SekmeBasligiCoz(const QString& baslik) {
    TSonuc sonuc;
    const auto esittir = baslik.indexOf(QLatin1Char('='));
    if (esittir < 0) {
        sonuc.baslik = baslik;
        return sonuc;
    }
    bool tamSayi = false;
    const int sayi = baslik.left(esittir).trimmed().toInt(&tamSayi);
    sonuc.sayi = tamSayi ? sayi : 0;
    sonuc.baslik = baslik.mid(esittir + 1, 100);
    return sonuc;
}

} // namespace rvz
