#include "baglanti.h"

#include "sunucu_adresi.h"

namespace rvz::app {

BaglantiParametreleri VarsayilanParametreler() {
    const auto adres = SunucuAdresiAl();
    BaglantiParametreleri p;
    p.host = adres.host;
    p.port = adres.port;
    return p;
}

TBaglanti::TBaglanti(BaglantiParametreleri parametreler) : parametreler_(std::move(parametreler)) {}

std::unique_ptr<TBaglanti> TBaglanti::Kopya() const {
    auto kopya = std::make_unique<TBaglanti>(parametreler_);
    if (Acik()) {
        try {
            kopya->Ac();
        } catch (const UzakHata&) {
            kopya->Kapat();
        }
    }
    return kopya;
}

void TBaglanti::Ac() {
    auto& ayar = tcp_.Ayarlar();
    ayar.host = parametreler_.host;
    ayar.port = parametreler_.port;
    ayar.makineId = parametreler_.makineId;
    ayar.baglanmaSuresi = parametreler_.baglanmaSuresi;
    ayar.okumaSuresi = parametreler_.okumaSuresi;
    tcp_.Ac();
}

void TBaglanti::Kapat() {
    tcp_.Kapat();
}

} // namespace rvz::app
