#include "kayanresim.h"
#include "kayanyazi.h"

#include <QtTest>

using namespace rvz;

class KayanYaziTesti : public QObject {
    Q_OBJECT
private slots:
    void htmlTekSatirdaKayar() {
        TKayanYazi serit;
        serit.resize(300, 34);
        serit.OgeAta(QStringLiteral("<b>Kampanya:</b> <font color=red>Fren balataları</font> %20 indirimli"));
        QCOMPARE(serit.DuzMetin(), QStringLiteral("Kampanya: Fren balataları %20 indirimli"));
        QCOMPARE(serit.Konum(), 300); // starts at the right edge
        serit.AdimAta(50);
        serit.Ilerle();
        QCOMPARE(serit.Konum(), 250);
        // Once the item has left on the left it comes round from the right.
        for (int i = 0; i < 100 && serit.Konum() != 300; ++i)
            serit.Ilerle();
        QCOMPARE(serit.Konum(), 300);
    }

    void zamanlayiciIlerletir() {
        TKayanYazi serit;
        serit.resize(300, 34);
        serit.OgeAta(QStringLiteral("Duyuru"));
        serit.AralikAta(1);
        serit.Baslat();
        QTRY_VERIFY(serit.Konum() < 300);
        serit.Durdur();
        const int konum = serit.Konum();
        QCoreApplication::processEvents();
        QCOMPARE(serit.Konum(), konum);
    }

    void yalnizBoslukBosBirakir() {
        TKayanYazi serit;
        serit.OgeAta(QStringLiteral("   "));
        QVERIFY(serit.Bos());
        QCOMPARE(serit.DuzMetin(), QString());
    }

    void resimKayar() {
        TKayanResim serit;
        serit.resize(200, 20);
        QPixmap resim(40, 10);
        resim.fill(Qt::blue);
        serit.ResimAta(resim);
        serit.AdimAta(100);
        serit.Ilerle();
        serit.Ilerle();
        QCOMPARE(serit.Konum(), 0);
        serit.Ilerle(); // 80 pixels wide at this height: gone at -100, back at the right
        QCOMPARE(serit.Konum(), 200);
    }
};

QTEST_MAIN(KayanYaziTesti)
#include "tst_kayanyazi.moc"
