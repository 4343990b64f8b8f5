#include "sekmebasligi.h"
#include "sekmestili.h"

#include <QTabBar>
#include <QtTest>

using namespace rvz;

class SekmeTesti : public QObject {
    Q_OBJECT

    // Whether the badge colour appears in the drawn tab.
    static bool RozetVar(const QString& baslik) {
        QTabBar cubuk;
        TSekmeStili stil;
        cubuk.setStyle(&stil);
        cubuk.addTab(baslik);
        cubuk.resize(cubuk.sizeHint());
        const QImage resim = cubuk.grab().toImage();
        for (int y = 0; y < resim.height(); ++y)
            for (int x = 0; x < resim.width(); ++x) {
                const QColor c = resim.pixelColor(x, y);
                if (c.blue() > 180 && c.red() < 120 && c.green() > 120 && c.blue() - c.red() > 100)
                    return true;
            }
        return false;
    }

private slots:
    void coz_data() {
        QTest::addColumn<QString>("baslik");
        QTest::addColumn<int>("sayi");
        QTest::addColumn<QString>("yazi");
        QTest::addColumn<bool>("rozet");
        QTest::newRow("sayılı") << "12=Sepet" << 12 << "Sepet" << true;
        QTest::newRow("eşittir yok") << "Kampanyalı Stoklar" << 0 << "Kampanyalı Stoklar" << false;
        QTest::newRow("tam sayı değil") << "2,5=Bakiyeler" << 0 << "Bakiyeler" << false;
        QTest::newRow("sıfır") << "0=Stok Listesi" << 0 << "Stok Listesi" << false;
        QTest::newRow("eksi") << "-3=Duyurular" << -3 << "Duyurular" << false;
        QTest::newRow("ilk eşittir bölür") << "5=a=b" << 5 << "a=b" << true;
        QTest::newRow("başlık 100 harfle sınırlı")
            << "1=" + QString(150, QLatin1Char('x')) << 1 << QString(100, QLatin1Char('x')) << true;
    }
    void coz() {
        QFETCH(QString, baslik);
        QFETCH(int, sayi);
        QFETCH(QString, yazi);
        const TSonuc sonuc = SekmeBasligiCoz(baslik);
        QCOMPARE(sonuc.sayi, sayi);
        QCOMPARE(sonuc.baslik, yazi);
    }

    void rozetCizimi_data() { coz_data(); }
    void rozetCizimi() {
        QFETCH(QString, baslik);
        QFETCH(bool, rozet);
        QCOMPARE(RozetVar(baslik), rozet);
    }

    void sekmeRozeteYerAyirir() {
        QTabBar cubuk;
        TSekmeStili stil;
        cubuk.setStyle(&stil);
        cubuk.setExpanding(false);
        cubuk.addTab(QStringLiteral("Sepet"));
        cubuk.addTab(QStringLiteral("123=Sepet"));
        cubuk.resize(cubuk.sizeHint());
        QVERIFY(cubuk.tabRect(1).width() > cubuk.tabRect(0).width());
    }
};

QTEST_MAIN(SekmeTesti)
#include "tst_sekme.moc"
