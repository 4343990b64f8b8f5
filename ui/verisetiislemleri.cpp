#include "verisetiislemleri.h"

#include "sayibicimi.h"

namespace rvz {

void SayiBicimiVer(TVeriSeti& veri) {
    if (!veri.Acik())
        return;
    for (int i = 0; i < veri.FieldCount(); ++i)
        if (veri.AlanTuru(i) == SutunTuru::Double)
            veri.GosterimBicimiAta(i, kSayiBicimi);
}

bool DoluMu(const TVeriSeti& veri) {
    return veri.Acik() && veri.RecordCount() > 0;
}

bool SeciliSatirVarMi(TVeriSeti& veri) {
    if (!DoluMu(veri))
        return false;
    const int sec = veri.AlanNo("SEC");
    for (veri.First(); !veri.Eof(); veri.Next())
        if (sec >= 0 && veri.Deger(veri.RecNo(), sec).toDouble() == 1)
            return true;
    return false;
}

} // namespace rvz
