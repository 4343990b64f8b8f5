#include "sepet_yukle.h"

#include "baglanti_ac.h"
#include "proxim.h"
#include "veriseti.h"
#include "verisetiislemleri.h"

namespace rvz::sepet {

void SepetVerisiniDoldur(app::TBaglanti& acik, int carino, TVeriSeti& sepet) {
    TServerMethods1Client istemci(acik.DBXConnection());
    sepet.PaketAta(istemci.SepetVer2(carino));
    SayiBicimiVer(sepet);
}

bool SepetiGetir(const app::TBaglanti& bagc, int carino, TVeriSeti& sepet) {
    const auto kopya = bagc.Kopya();
    if (!app::BaglantiAc(*kopya, 1))
        return false;
    SepetVerisiniDoldur(*kopya, carino, sepet);
    kopya->Kapat();
    return true;
}

} // namespace rvz::sepet
