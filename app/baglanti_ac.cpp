#include "baglanti_ac.h"

#include "mesaj.h"

#include <mutex>
#include <thread>

namespace rvz::app {

namespace {

std::mutex parcaKilidi;
BaglantiAcmaParcalari etkinParcalar;

BaglantiAcmaParcalari EtkinParcalar() {
    auto varsayilan = VarsayilanBaglantiAcmaParcalari();
    std::lock_guard kilit(parcaKilidi);
    return {etkinParcalar.bekle ? etkinParcalar.bekle : varsayilan.bekle,
            etkinParcalar.hataGoster ? etkinParcalar.hataGoster : varsayilan.hataGoster};
}

} // namespace

BaglantiAcmaParcalari VarsayilanBaglantiAcmaParcalari() {
    return {[](std::chrono::milliseconds sure) { std::this_thread::sleep_for(sure); },
            [](const QString& metin) { MesajVer(metin, mtDuz, kTamamTusu, mbTamam); }};
}

BaglantiAcmaParcalari BaglantiAcmaParcalariAta(BaglantiAcmaParcalari parcalar) {
    std::lock_guard kilit(parcaKilidi);
    std::swap(etkinParcalar, parcalar);
    return parcalar;
}

bool BaglantiAc(TBaglanti& baglanti, int uyar) {
    const auto parcalar = EtkinParcalar();
    baglanti.Kapat();
    bool acildi = false;
    for (int deneme = 0; deneme < kBaglantiDenemeSayisi && !acildi; ++deneme) {
        try {
            baglanti.Ac();
            acildi = true;
        } catch (const std::exception& e) {
            parcalar.hataGoster(QString::fromUtf8(e.what()));
            baglanti.Kapat();
            parcalar.bekle(kDenemeAraligi);
        }
    }
    if (!acildi && uyar == 1)
        MesajVer(kBaglantiKurulamiyor, mtHata, kTamamTusu, mbTamam);
    return acildi;
}

} // namespace rvz::app
