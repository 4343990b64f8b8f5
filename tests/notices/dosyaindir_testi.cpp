// The setup download against a small HTTP server of the test's own.
#include "betikli_mesajlar.h"
#include "dosyaindiru.h"
#include "kapali_port.h"
#include "surec.h"
#include "test_ana.h"

#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>

using namespace rvz;
using namespace rvz::app;
using rvz::notices::Tdosyaindir;
using rvz::test::BetikliMesajlar;

namespace {

// Answers every request with the same bytes and closes the connection.
class YerelHttp : public QObject {
public:
    explicit YerelHttp(QByteArray cevap) : cevap_(std::move(cevap)) {
        sunucu_.listen(QHostAddress::LocalHost);
        connect(&sunucu_, &QTcpServer::newConnection, this, [this] {
            auto* s = sunucu_.nextPendingConnection();
            ++baglanti;
            connect(s, &QTcpSocket::readyRead, s, [this, s] {
                istek_ += s->readAll();
                if (!istek_.contains("\r\n\r\n"))
                    return;
                istekler << istek_;
                istek_.clear();
                s->write(cevap_);
                s->disconnectFromHost();
            });
        });
    }
    quint16 Port() const { return sunucu_.serverPort(); }
    int baglanti = 0;
    QList<QByteArray> istekler;

private:
    QTcpServer sunucu_;
    QByteArray cevap_;
    QByteArray istek_;
};

const QByteArray kKurulum(2 * 1024 * 1024, 'K');

QByteArray Cevap(const QByteArray& durum, const QByteArray& govde, bool uzunluk) {
    QByteArray c = "HTTP/1.1 " + durum + "\r\nConnection: close\r\n";
    if (uzunluk)
        c += "Content-Length: " + QByteArray::number(govde.size()) + "\r\n";
    return c + "\r\n" + govde;
}

} // namespace

class DosyaIndirTesti : public QObject {
    Q_OBJECT
    QList<int> bitisler_;
    QList<QPair<QString, QStringList>> baslatilan_;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        SurecBitiriciAta([this](int kod) { bitisler_.append(kod); });
        Tdosyaindir::KurulumBaslaticiAta([this](const QString& yol, const QStringList& arg) {
            baslatilan_.append({yol, arg});
            return true;
        });
    }
    void init() {
        bitisler_.clear();
        baslatilan_.clear();
        // An old setup from an earlier update is replaced.
        QFile eski(Tdosyaindir::HedefYol());
        QVERIFY(eski.open(QIODevice::WriteOnly));
        eski.write("eski kurulum");
    }

    void ilerlemeMetni_data() {
        QTest::addColumn<qint64>("alinan");
        QTest::addColumn<qint64>("toplam");
        QTest::addColumn<QString>("metin");
        QTest::newRow("yarısı") << qint64(1 << 20) << qint64(2 << 20)
                                << "Bilgi: %50,00  İndirilen: 1,00/2,00 Mb";
        QTest::newRow("büyük dosya, binlik ayırıcı yok")
            << qint64(1536) * 1024 * 1024 << qint64(2048) * 1024 * 1024
            << "Bilgi: %75,00  İndirilen: 1536,00/2048,00 Mb";
        QTest::newRow("uzunluk bilinmiyor") << qint64(100) << qint64(-1) << "";
        QTest::newRow("uzunluk sıfır") << qint64(0) << qint64(0) << "";
    }
    void ilerlemeMetni() {
        QFETCH(qint64, alinan);
        QFETCH(qint64, toplam);
        QTEST(Tdosyaindir::IlerlemeMetni(alinan, toplam), "metin");
    }

    void indirmeSonuclari_data() {
        QTest::addColumn<QByteArray>("cevap");
        QTest::addColumn<bool>("kurulur");
        QTest::addColumn<QString>("bilgi");
        QTest::newRow("uzunluklu") << Cevap("200 OK", kKurulum, true) << true
                                   << "Bilgi: %100,00  İndirilen: 2,00/2,00 Mb";
        QTest::newRow("uzunluksuz") << Cevap("200 OK", kKurulum, false) << true << "bilgi";
        QTest::newRow("bulunamadı") << Cevap("404 Not Found", "yok", true) << false << "";
        QTest::newRow("sunucu hatası")
            << Cevap("500 Internal Server Error", "hata sayfası", true) << false << "";
    }
    // Every way ends the program; only a whole, successful download is started.
    void indirmeSonuclari() {
        QFETCH(QByteArray, cevap);
        QFETCH(bool, kurulur);
        QFETCH(QString, bilgi);
        YerelHttp http(cevap);
        qputenv("RUVIZEZEVUV_KURULUM_HOST", "127.0.0.1:" + QByteArray::number(http.Port()));
        BetikliMesajlar mesajlar;
        mesajlar.Yanitla([](const MesajIstegi& i) { return i.metin.startsWith("Hata Oluştu !\r\nHata: "); },
                         mbTamam);
        Tdosyaindir pencere(nullptr, 14);
        QCOMPARE(pencere.findChild<QLabel*>("mesaj")->text(),
                 QStringLiteral("Parlavik Otomotiv B2B Programının\r\nYeni versiyonu indirilecektir\r\n"
                                "Lütfen Bekleyiniz...!\r\nVersion: 14-13"));
        pencere.show();
        QTRY_COMPARE(bitisler_, QList<int>{0});
        QCOMPARE(http.istekler.size(), 1);
        QVERIFY(http.istekler[0].startsWith("GET /exe/RuvizezeVuvSetup.exe HTTP/1.1"));
        QVERIFY(http.istekler[0].contains("Accept-Language: en-US,tr-TR;q=0.8,tr;q=0.6,en;q=0.4"));
        QFile dosya(Tdosyaindir::HedefYol());
        if (kurulur) {
            QVERIFY(mesajlar.Metinler().isEmpty());
            QCOMPARE(pencere.findChild<QLabel*>("bilgi")->text(), bilgi);
            QCOMPARE(baslatilan_.size(), 1);
            QCOMPARE(baslatilan_[0].first, Tdosyaindir::HedefYol());
            QCOMPARE(baslatilan_[0].second, QStringList{"/silent"});
            QVERIFY(dosya.open(QIODevice::ReadOnly));
            QCOMPARE(dosya.readAll(), kKurulum);
            QVERIFY(dosya.permissions() & QFile::ExeOwner);
        } else {
            // An error page is never saved and started as the setup program.
            QCOMPARE(mesajlar.Metinler().size(), 1);
            QVERIFY(baslatilan_.isEmpty());
            QVERIFY(!dosya.exists());
        }
        qunsetenv("RUVIZEZEVUV_KURULUM_HOST");
    }

    void baglantiHatasi() {
        test::KapaliPort kapali;
        qputenv("RUVIZEZEVUV_KURULUM_HOST", "127.0.0.1:" + QByteArray::number(kapali.Port()));
        BetikliMesajlar mesajlar;
        mesajlar.Yanitla([](const MesajIstegi& i) { return i.metin.startsWith("Hata Oluştu !\r\nHata: "); },
                         mbTamam);
        Tdosyaindir pencere(nullptr, 12);
        pencere.show();
        QTRY_COMPARE(bitisler_, QList<int>{0});
        QCOMPARE(mesajlar.Mesajlar().front().tur, int(mtHata));
        QVERIFY(mesajlar.Metinler().front().size() > QStringLiteral("Hata Oluştu !\r\nHata: ").size());
        QVERIFY(baslatilan_.isEmpty());
        qunsetenv("RUVIZEZEVUV_KURULUM_HOST");
    }

    // Shown (or activated) again while the download runs: still one download.
    void ikinciKezBaslamaz() {
        YerelHttp http(Cevap("200 OK", kKurulum, true));
        qputenv("RUVIZEZEVUV_KURULUM_HOST", "127.0.0.1:" + QByteArray::number(http.Port()));
        Tdosyaindir pencere(nullptr, 14);
        pencere.show();
        pencere.hide();
        pencere.show();
        QTRY_COMPARE(bitisler_, QList<int>{0});
        QCOMPARE(http.baglanti, 1);
        QCOMPARE(baslatilan_.size(), 1);
        qunsetenv("RUVIZEZEVUV_KURULUM_HOST");
    }
};

RVZ_TEST_ANA(DosyaIndirTesti)
#include "dosyaindir_testi.moc"
