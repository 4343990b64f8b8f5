#include "sunucu_sureci.h"

#include <QDeadlineTimer>

namespace rvz::test {

namespace {

constexpr int kAcilisSuresi = 10000; // ms
constexpr int kKapanisSuresi = 5000; // ms

} // namespace

SunucuSureci::SunucuSureci() {
    surec_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

SunucuSureci::~SunucuSureci() {
    Durdur();
}

bool SunucuSureci::Baslat(std::uint16_t port, const QStringList& ekSecenekler) {
    Durdur();
    hata_.clear();
    port_ = 0;
    if (!klasor_.isValid()) {
        hata_ = QStringLiteral("Geçici klasör oluşturulamadı");
        return false;
    }
    surec_.start(
        QStringLiteral(RVZ_SUNUCU_PROGRAMI),
        QStringList{"--listen", "127.0.0.1", "--port", QString::number(port), "--db", VeritabaniYolu()} +
            ekSecenekler);
    if (!surec_.waitForStarted(kAcilisSuresi)) {
        hata_ = QStringLiteral("Sunucu başlatılamadı: ") + surec_.errorString();
        return false;
    }
    const QDeadlineTimer son(kAcilisSuresi);
    while (!surec_.canReadLine()) {
        if (son.hasExpired() || !surec_.waitForReadyRead(static_cast<int>(son.remainingTime()))) {
            hata_ = QStringLiteral("Sunucu adresini bildirmedi");
            Durdur();
            return false;
        }
    }
    // "dinleniyor ADDR:PORT"
    const auto satir = QString::fromUtf8(surec_.readLine()).trimmed();
    const auto okunan = satir.section(':', -1).toUShort();
    if (!satir.startsWith(QLatin1String("dinleniyor ")) || okunan == 0) {
        hata_ = QStringLiteral("Sunucunun ilk satırı anlaşılmadı: ") + satir;
        Durdur();
        return false;
    }
    port_ = okunan;
    return true;
}

void SunucuSureci::Durdur() {
    if (surec_.state() == QProcess::NotRunning)
        return;
    surec_.terminate();
    if (!surec_.waitForFinished(kKapanisSuresi)) {
        surec_.kill();
        surec_.waitForFinished(kKapanisSuresi);
    }
}

bool SunucuSureci::Yonet(const QStringList& komut) {
    QProcess yonetim;
    yonetim.setProcessChannelMode(QProcess::MergedChannels);
    yonetim.start(QStringLiteral(RVZ_SUNUCU_PROGRAMI),
                  QStringList{"admin", "--db", VeritabaniYolu()} + komut);
    if (!yonetim.waitForFinished(kAcilisSuresi) || yonetim.exitStatus() != QProcess::NormalExit ||
        yonetim.exitCode() != 0) {
        hata_ = QStringLiteral("Yönetim komutu başarısız: ") + QString::fromUtf8(yonetim.readAll());
        return false;
    }
    return true;
}

app::BaglantiParametreleri SunucuSureci::Parametreler() const {
    app::BaglantiParametreleri p;
    p.host = "127.0.0.1";
    p.port = port_;
    p.makineId = "TESTMAKINESI";
    return p;
}

} // namespace rvz::test
