#include "betikli_mesajlar.h"

#include <QTest>

namespace rvz::test {

BetikliMesajlar::BetikliMesajlar()
    : onceki_(app::MesajSunucusuAta([this](const app::MesajIstegi& istek) { return Cevapla(istek); })) {}

BetikliMesajlar::~BetikliMesajlar() {
    app::MesajSunucusuAta(std::move(onceki_));
}

BetikliMesajlar& BetikliMesajlar::Yanitla(const QString& metin, app::MesajTusu tus) {
    return Yanitla([metin](const app::MesajIstegi& istek) { return istek.metin == metin; }, tus);
}

BetikliMesajlar& BetikliMesajlar::Yanitla(Eslesme eslesir, app::MesajTusu tus) {
    kurallar_.push_back({std::move(eslesir), tus});
    return *this;
}

void BetikliMesajlar::GorununceAta(std::function<void(const app::MesajIstegi&)> gorununce) {
    gorununce_ = std::move(gorununce);
}

QStringList BetikliMesajlar::Metinler() const {
    QStringList metinler;
    for (const auto& m : mesajlar_)
        metinler << m.metin;
    return metinler;
}

int BetikliMesajlar::Cevapla(const app::MesajIstegi& istek) {
    mesajlar_.push_back(istek);
    if (gorununce_)
        gorununce_(istek);
    for (const auto& kural : kurallar_) {
        if (!kural.eslesir(istek))
            continue;
        if (!(istek.tuslar & app::TusBiti(kural.tus))) {
            QTest::qFail(qPrintable(QStringLiteral("\"%1\" mesajında basılacak tuş yok").arg(istek.metin)),
                         __FILE__, __LINE__);
            return app::mrYok;
        }
        return app::TusSonucu(kural.tus);
    }
    QTest::qFail(qPrintable(QStringLiteral("Beklenmeyen mesaj: \"%1\"").arg(istek.metin)), __FILE__,
                 __LINE__);
    return app::mrYok;
}

} // namespace rvz::test
