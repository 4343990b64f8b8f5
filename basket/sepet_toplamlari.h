// The totals of the selected basket lines.
#pragma once

namespace rvz {
class TVeriSeti;
}

namespace rvz::sepet {

struct SepetToplamlari {
    double tutar = 0;   // "Toplam:"
    double indirim = 0; // "İndirim Toplam:"
    double net = 0;     // "Ara Toplam:"
    double vergi = 0;   // "Vergi:"
    double genel = 0;   // "Genel Toplam:"
};

// Sums TUTAR, INDIRIMTUTAR and VERGITUTARI of the lines whose SEC is 1, rounding after every
// addition; an unloaded basket totals 0.
SepetToplamlari SepetToplamlariHesapla(const TVeriSeti& sepet);

} // namespace rvz::sepet
