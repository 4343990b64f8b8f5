// Money and discount arithmetic shared by every list, basket, order and document.
#pragma once

#include <array>
#include <string>

namespace rvz::sunucu {

// Rounds to two decimals, halves away from zero (0.125 -> 0.13, -0.125 -> -0.13).
double Yuvarla(double tutar);

// Up to four cascading discount rates in percent.
using Indirimler = std::array<double, 4>;

// The price after the four discounts one after the other, rounded.
double NetFiyat(double fiyat, const Indirimler& ind);
// "45+10+5": the non-zero rates joined with "+", trailing zeros left out; empty for none.
std::string IndirimYazisi(const Indirimler& ind);
// The single rate equal to the cascade, in percent, rounded.
double ToplamIndirimOrani(const Indirimler& ind);

// The amounts of one line of `miktar` units at `birimFiyat` with the discounts and VAT rate.
struct SatirTutari {
    double tutar = 0;        // quantity x unit price
    double netBirim = 0;     // unit price after the discounts
    double netTutar = 0;     // quantity x net unit price
    double indirimTutar = 0; // tutar - netTutar
    double vergi = 0;        // VAT on netTutar
};
SatirTutari SatirHesapla(double miktar, double birimFiyat, const Indirimler& ind, double kdv);

} // namespace rvz::sunucu
