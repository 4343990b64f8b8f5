// The configured connection, its copies and BaglantiAc against the real server.
#include "baglanti_ac.h"
#include "betikli_mesajlar.h"
#include "kapali_port.h"
#include "proxim.h"
#include "sunucu_adresi.h"
#include "sunucu_sureci.h"
#include "test_ana.h"

#include <QtConcurrent>

#include <atomic>

using namespace rvz::app;
using rvz::test::BetikliMesajlar;
using rvz::test::KapaliPort;
using rvz::test::SunucuSureci;
using namespace std::chrono_literals;

namespace {

// The server's answer to EchoString on this connection.
QString Yanki(TBaglanti& baglanti) {
    rvz::TServerMethods1Client istemci(baglanti.DBXConnection());
    return QString::fromStdString(istemci.EchoString("merhaba"));
}

bool DenemeMesajiMi(const MesajIstegi& m) {
    return m.tur == mtDuz;
}

} // namespace

class BaglantiTesti : public QObject {
    Q_OBJECT

    std::vector<std::chrono::milliseconds> beklemeler_;
    // Runs at each pause, with the number of pauses so far.
    std::function<void(std::size_t)> beklerken_;

private slots:
    void init() {
        beklemeler_.clear();
        beklerken_ = nullptr;
        BaglantiAcmaParcalariAta({[this](std::chrono::milliseconds sure) {
                                      beklemeler_.push_back(sure);
                                      if (beklerken_)
                                          beklerken_(beklemeler_.size());
                                  },
                                  {}});
    }
    void cleanup() { BaglantiAcmaParcalariAta({}); }

    void sunucuKapali_data() {
        QTest::addColumn<int>("uyar");
        QTest::addColumn<bool>("iscide");
        QTest::newRow("uyar 1") << 1 << false;
        QTest::newRow("uyar 0") << 0 << false;
        QTest::newRow("uyar 1, işçide") << 1 << true;
        QTest::newRow("uyar 0, işçide") << 0 << true;
    }
    void sunucuKapali() {
        QFETCH(int, uyar);
        QFETCH(bool, iscide);
        KapaliPort kapali;
        BaglantiParametreleri p;
        p.host = "127.0.0.1";
        p.port = kapali.Port();
        TBaglanti bagc(p);
        BetikliMesajlar mesajlar;
        mesajlar.Yanitla(DenemeMesajiMi, mbTamam).Yanitla(kBaglantiKurulamiyor, mbTamam);
        std::atomic<int> arayuzDisinda = 0;
        mesajlar.GorununceAta([&](const MesajIstegi&) {
            if (QThread::currentThread() != qApp->thread())
                ++arayuzDisinda;
        });

        bool sonuc = true;
        if (iscide) {
            auto gelecek = QtConcurrent::run([&] { return BaglantiAc(bagc, uyar); });
            QTRY_VERIFY_WITH_TIMEOUT(gelecek.isFinished(), 20000);
            sonuc = gelecek.result();
        } else {
            sonuc = BaglantiAc(bagc, uyar);
        }

        QVERIFY(!sonuc);
        QVERIFY(!bagc.Acik());
        QCOMPARE(beklemeler_, std::vector<std::chrono::milliseconds>(11, 500ms));
        const auto& gorulen = mesajlar.Mesajlar();
        QCOMPARE(gorulen.size(), std::size_t(uyar == 1 ? 12 : 11));
        for (std::size_t i = 0; i < 11; ++i) {
            QCOMPARE(gorulen[i].tur, int(mtDuz));
            QCOMPARE(gorulen[i].tuslar, kTamamTusu);
            QVERIFY2(gorulen[i].metin.contains(QString::number(kapali.Port())), qPrintable(gorulen[i].metin));
        }
        if (uyar == 1) {
            QCOMPARE(gorulen.back().metin, kBaglantiKurulamiyor);
            QCOMPARE(gorulen.back().tur, int(mtHata));
        }
        QCOMPARE(arayuzDisinda.load(), 0);
    }

    void ikiRetSonraKabul() {
        KapaliPort kapali;
        const auto port = kapali.Port();
        SunucuSureci sunucu;
        beklerken_ = [&](std::size_t sayi) {
            if (sayi == 2) {
                kapali.Birak();
                sunucu.Baslat(port);
            }
        };
        BaglantiParametreleri p;
        p.host = "127.0.0.1";
        p.port = port;
        TBaglanti bagc(p);
        BetikliMesajlar mesajlar;
        mesajlar.Yanitla(DenemeMesajiMi, mbTamam);

        QVERIFY(BaglantiAc(bagc, 1));
        QVERIFY2(sunucu.Calisiyor(), qPrintable(sunucu.Hata()));
        QCOMPARE(mesajlar.Mesajlar().size(), std::size_t(2));
        QCOMPARE(beklemeler_.size(), std::size_t(2));
        QCOMPARE(Yanki(bagc), QStringLiteral("merhaba"));
    }

    void acikBaglantiYenidenAcilir() {
        SunucuSureci sunucu;
        QVERIFY2(sunucu.Baslat(), qPrintable(sunucu.Hata()));
        TBaglanti bagc(sunucu.Parametreler());
        BetikliMesajlar mesajlar;
        QVERIFY(BaglantiAc(bagc, 1));
        // The open socket goes stale when its server goes; only a new one reaches the next server.
        const auto port = sunucu.Port();
        sunucu.Durdur();
        QVERIFY2(sunucu.Baslat(port), qPrintable(sunucu.Hata()));
        QVERIFY(bagc.Acik());

        QVERIFY(BaglantiAc(bagc, 1));
        QCOMPARE(Yanki(bagc), QStringLiteral("merhaba"));
        QVERIFY(mesajlar.Mesajlar().empty());
        QVERIFY(beklemeler_.empty());
    }

    void kopya_data() {
        QTest::addColumn<bool>("acik");
        QTest::newRow("kapalıdan kopya kapalı") << false;
        QTest::newRow("açıktan kopya açık") << true;
    }
    void kopya() {
        QFETCH(bool, acik);
        SunucuSureci sunucu;
        QVERIFY2(sunucu.Baslat(), qPrintable(sunucu.Hata()));
        auto p = sunucu.Parametreler();
        p.iletisimProtokolu = "http";
        p.sunucuYolu = "baska/";
        p.filtreler = "ZLibCompression";
        p.makineId = "AB12";
        p.baglanmaSuresi = 1234ms;
        p.okumaSuresi = 5678ms;
        TBaglanti bagc(p);
        if (acik)
            bagc.Ac();

        const auto kopya = bagc.Kopya();
        const auto& k = kopya->Parametreler();
        QCOMPARE(k.surucu, p.surucu);
        QCOMPARE(k.host, p.host);
        QCOMPARE(k.port, p.port);
        QCOMPARE(k.iletisimProtokolu, p.iletisimProtokolu);
        QCOMPARE(k.sunucuYolu, p.sunucuYolu);
        QCOMPARE(k.filtreler, p.filtreler);
        QCOMPARE(k.girisSor, p.girisSor);
        QCOMPARE(k.makineId, p.makineId);
        QCOMPARE(k.baglanmaSuresi, p.baglanmaSuresi);
        QCOMPARE(k.okumaSuresi, p.okumaSuresi);
        QCOMPARE(kopya->Acik(), acik);
        if (acik) {
            QCOMPARE(Yanki(*kopya), QStringLiteral("merhaba"));
            QCOMPARE(Yanki(bagc), QStringLiteral("merhaba")); // the two are independent
        }
    }

    void varsayilanAyarlar() {
        const BaglantiParametreleri p;
        QCOMPARE(p.port, 9090);
        QCOMPARE(p.iletisimProtokolu, std::string("tcp/ip"));
        QCOMPARE(p.sunucuYolu, std::string("datasnap/"));
        QVERIFY(p.filtreler.empty());
        QVERIFY(!p.girisSor);
    }

    void sunucuAdresiOrtamdan_data() {
        QTest::addColumn<QByteArray>("host");
        QTest::addColumn<QByteArray>("port");
        QTest::addColumn<QString>("beklenenHost"); // empty: the built-in one
        QTest::addColumn<int>("beklenenPort");     // 0: the built-in one
        QTest::newRow("ortam yok") << QByteArray() << QByteArray() << "" << 0;
        QTest::newRow("host ve port") << QByteArray("127.0.0.1") << QByteArray("4321") << "127.0.0.1" << 4321;
        QTest::newRow("sayı olmayan port") << QByteArray() << QByteArray("9a") << "" << 0;
        QTest::newRow("aralık dışı port") << QByteArray() << QByteArray("70000") << "" << 0;
        QTest::newRow("sıfır port") << QByteArray() << QByteArray("0") << "" << 0;
    }
    void sunucuAdresiOrtamdan() {
        QFETCH(QByteArray, host);
        QFETCH(QByteArray, port);
        QFETCH(QString, beklenenHost);
        QFETCH(int, beklenenPort);
        qunsetenv("RUVIZEZEVUV_HOST");
        qunsetenv("RUVIZEZEVUV_PORT");
        const auto yerlesik = SunucuAdresiAl();
        if (!host.isNull())
            qputenv("RUVIZEZEVUV_HOST", host);
        if (!port.isNull())
            qputenv("RUVIZEZEVUV_PORT", port);
        const auto adres = SunucuAdresiAl();
        qunsetenv("RUVIZEZEVUV_HOST");
        qunsetenv("RUVIZEZEVUV_PORT");
        QCOMPARE(QString::fromStdString(adres.host),
                 beklenenHost.isEmpty() ? QString::fromStdString(yerlesik.host) : beklenenHost);
        QCOMPARE(int(adres.port), beklenenPort == 0 ? int(yerlesik.port) : beklenenPort);
    }
};

RVZ_TEST_ANA(BaglantiTesti)
#include "baglanti_testi.moc"
