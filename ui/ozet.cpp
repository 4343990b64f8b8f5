#include "ozet.h"

#include "sayibicimi.h"

namespace rvz {

QString OzetMetni(const TVeriSeti& veri, int alan, OzetCinsi cins, const std::vector<int>& satirlar) {
    switch (cins) {
    case OzetCinsi::Yok:
        return {};
    case OzetCinsi::Adet:
        return BicimliSayi(static_cast<double>(satirlar.size()), QStringLiteral("#,##0"));
    case OzetCinsi::Toplam: {
        if (alan < 0)
            return {};
        double toplam = 0;
        for (int satir : satirlar)
            toplam += veri.SayiDegeri(satir, alan);
        QString bicim = veri.GosterimBicimi(alan);
        if (bicim.isEmpty())
            bicim = HucreBicimiVer(veri.AlanTuru(alan)) == HucreBicimi::Tamsayi ? QStringLiteral("#,##0")
                                                                                : kSayiBicimi;
        return BicimliSayi(toplam, bicim);
    }
    }
    return {};
}

} // namespace rvz
