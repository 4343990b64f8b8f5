// The demo server as the customer selection tests need it: the demo users plus a representative
// with no dealers at all, the session record each machine logs in with, and the server's own
// answers to compare the window with.
#pragma once

#include "baglantiu.h"
#include "sunucu_sureci.h"

#include <QStringList>

#include <memory>

namespace rvz::test {

inline const QString kTemsilci = QStringLiteral("DEMO-TIP1");
inline const QString kMudur = QStringLiteral("DEMO-TIP2");
inline const QString kCarisizTemsilci = QStringLiteral("TEST-CARISIZ");

class SaticiOrtami {
public:
    // Starts the demo server and adds the representative without dealers; false with Hata.
    bool Baslat();
    const QString& Hata() const { return hata_; }
    SunucuSureci& Sunucu() { return sunucu_; }

    app::BaglantiParametreleri Parametreler(const QString& makine) const;
    // The session record the machine's login receives.
    TSonucBilgisi Oturum(const QString& makine);

    // What the server answers the machine, straight from a client of the test's own.
    int SepetSayisi(const QString& makine);
    TTusSonuclari TusSonuclari(const QString& makine);
    // CARIKOD of the dealers of state `n` (1 … 7), or of CariAra with `aranan` when n is 0.
    QStringList CariKodlari(const QString& makine, int n, const QString& aranan = {});

private:
    bool Yonet(const QStringList& komut);

    SunucuSureci sunucu_;
    QString hata_;
};

} // namespace rvz::test
