#include "sepet_toplamlari.h"

#include "veriseti.h"
#include "yuvarla.h"

namespace rvz::sepet {

SepetToplamlari SepetToplamlariHesapla(const TVeriSeti& sepet) {
    using app::Yuvarla;
    SepetToplamlari t;
    const int sec = sepet.AlanNo("SEC");
    const int tutar = sepet.AlanNo("TUTAR");
    const int indirim = sepet.AlanNo("INDIRIMTUTAR");
    const int vergi = sepet.AlanNo("VERGITUTARI");
    if (!sepet.Acik() || sec < 0)
        return t;
    const auto deger = [&](int satir, int sutun) { return sutun < 0 ? 0.0 : sepet.SayiDegeri(satir, sutun); };
    for (int satir = 0; satir < sepet.RecordCount(); ++satir) {
        if (sepet.Deger(satir, sec).toInt() != 1)
            continue;
        t.tutar = Yuvarla(t.tutar + deger(satir, tutar));
        t.indirim = Yuvarla(t.indirim + deger(satir, indirim));
        t.vergi = Yuvarla(t.vergi + deger(satir, vergi));
    }
    t.net = Yuvarla(t.tutar - t.indirim);
    t.genel = Yuvarla(t.vergi + t.net);
    return t;
}

} // namespace rvz::sepet
