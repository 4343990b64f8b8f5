#include "para.h"

#include <cmath>
#include <cstdio>

namespace rvz::sunucu {

double Yuvarla(double tutar) {
    // The nudge absorbs binary representation error (1.005 is stored as 1.00499...).
    const double olcekli = tutar * 100.0;
    const double duzeltme = std::nextafter(std::fabs(olcekli), INFINITY) - std::fabs(olcekli);
    const double r = std::round(std::fabs(olcekli) + duzeltme * 8) / 100.0;
    return std::signbit(tutar) ? -r : r;
}

double NetFiyat(double fiyat, const Indirimler& ind) {
    double net = fiyat;
    for (double o : ind)
        net *= 1.0 - o / 100.0;
    return Yuvarla(net);
}

std::string IndirimYazisi(const Indirimler& ind) {
    std::string yazi;
    for (double o : ind) {
        if (o == 0)
            continue;
        char tampon[32];
        std::snprintf(tampon, sizeof tampon, "%.2f", o);
        std::string s = tampon;
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
        if (!yazi.empty())
            yazi += '+';
        yazi += s;
    }
    return yazi;
}

double ToplamIndirimOrani(const Indirimler& ind) {
    double kalan = 1.0;
    for (double o : ind)
        kalan *= 1.0 - o / 100.0;
    return Yuvarla((1.0 - kalan) * 100.0);
}

SatirTutari SatirHesapla(double miktar, double birimFiyat, const Indirimler& ind, double kdv) {
    SatirTutari t;
    t.tutar = Yuvarla(miktar * birimFiyat);
    t.netBirim = NetFiyat(birimFiyat, ind);
    t.netTutar = Yuvarla(miktar * t.netBirim);
    t.indirimTutar = Yuvarla(t.tutar - t.netTutar);
    t.vergi = Yuvarla(t.netTutar * kdv / 100.0);
    return t;
}

} // namespace rvz::sunucu
