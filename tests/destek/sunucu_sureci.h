// The real ruvizezevuv-server for end-to-end tests: started on a loopback port with a fresh
// database in a temporary folder, stopped when the object goes (or on Durdur).
//
//     SunucuSureci sunucu;
//     QVERIFY2(sunucu.Baslat(), qPrintable(sunucu.Hata()));
//     app::TBaglanti bagc(sunucu.Parametreler());
#pragma once

#include "baglanti.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>

namespace rvz::test {

class SunucuSureci {
public:
    SunucuSureci();
    ~SunucuSureci();
    SunucuSureci(const SunucuSureci&) = delete;
    SunucuSureci& operator=(const SunucuSureci&) = delete;

    // Starts the server on 127.0.0.1: port 0 lets it pick a free one. Waits (at most ten
    // seconds) for its "dinleniyor ADDR:PORT" line. False, with Hata, when it did not come up.
    bool Baslat(std::uint16_t port = 0, const QStringList& ekSecenekler = {});
    // Stops the server and waits until it has ended. The database stays for a later Baslat.
    void Durdur();

    bool Calisiyor() const { return surec_.state() != QProcess::NotRunning; }
    std::uint16_t Port() const { return port_; }
    const QString& Hata() const { return hata_; }
    QString VeritabaniYolu() const { return klasor_.filePath(QStringLiteral("veri.db")); }
    // Runs "ruvizezevuv-server admin --db <this database> <komut>", e.g. to register a machine.
    // False, with Hata, when the command fails.
    bool Yonet(const QStringList& komut);
    // Connection settings that reach this server.
    app::BaglantiParametreleri Parametreler() const;

private:
    QTemporaryDir klasor_;
    QProcess surec_;
    std::uint16_t port_ = 0;
    QString hata_;
};

} // namespace rvz::test
