// The main window's frame: what each user type sees, and leaving the program.
#include "Unit1.h"
#include "betikli_mesajlar.h"
#include "surec.h"
#include "test_ana.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

using namespace rvz::app;
using rvz::test::BetikliMesajlar;

class AnaPencereTesti : public QObject {
    Q_OBJECT
    QList<int> bitisler_;

private slots:
    void initTestCase() {
        SurecBitiriciAta([this](int kod) { bitisler_.append(kod); });
        qputenv("RUVIZEZEVUV_HOST", "127.0.0.1");
    }
    void init() { bitisler_.clear(); }

    void cerceve() {
        TForm1 f;
        QCOMPARE(f.windowTitle(), QStringLiteral("Parlavik Otomotiv B2B Programı"));
        const QStringList beklenen{"Stok Listesi", "Sepet",        "Önceki Siparişler",
                                   "Cari Ekstre",  "Yeni Stoklar", "Kampanyalı Stoklar",
                                   "Duyurular",    "Bakiyeler",    "Sanal Pos"};
        QStringList basliklar;
        for (int i = 0; i < f.Sekmeler()->count(); ++i)
            basliklar << f.Sekmeler()->tabText(i);
        QCOMPARE(basliklar, beklenen);
        QCOMPARE(f.Sekmeler()->currentIndex(), int(TForm1::sstoklistesi));
        QCOMPARE(f.WebSitesi1()->text(), QStringLiteral("127.0.0.1")); // the host the connection uses
        QStringList menu;
        for (auto* a : f.GenelMenu()->actions())
            if (!a->isSeparator())
                menu << a->text();
        QCOMPARE(menu,
                 (QStringList{"Mail Gönder", "Şifre Değiştirme İsteği", "127.0.0.1", "Çıkış", "Raporlar"}));
        QCOMPARE(f.sbilgi.BILGISAYARID.empty(), false);
        QCOMPARE(f.bagc.Parametreler().makineId, f.sbilgi.BILGISAYARID);
    }

    void kullaniciTipleri_data() {
        QTest::addColumn<int>("tip");
        QTest::addColumn<bool>("baskaCari");
        QTest::addColumn<bool>("raporlar");
        QTest::addColumn<bool>("kampanyaSekmesi");
        QTest::addColumn<bool>("satisSutunlari");
        QTest::addColumn<bool>("sepetDurumGizli");
        QTest::newRow("0 bayi") << 0 << false << false << true << false << false;
        QTest::newRow("1 temsilci") << 1 << true << true << true << true << false;
        QTest::newRow("2 yönetici") << 2 << true << true << true << true << false;
        QTest::newRow("3") << 3 << false << false << true << false << true;
        QTest::newRow("4") << 4 << false << false << false << false << false;
        QTest::newRow("5 tasarım hali") << 5 << false << false << true << false << false;
    }
    void kullaniciTipleri() {
        QFETCH(int, tip);
        TForm1 f;
        f.show();
        f.KullaniciTipiUygula(tip);
        QTEST(f.BaskaCariSec()->isVisible(), "baskaCari");
        QTEST(f.Raporlar()->isVisible(), "raporlar");
        QTEST(f.Sekmeler()->isTabVisible(TForm1::skampanyali), "kampanyaSekmesi");
        QTEST(f.Kurallar().satisSutunlari, "satisSutunlari");
        QTEST(f.Kurallar().sepetDurumGizli, "sepetDurumGizli");
    }

    void cikisSorusu_data() {
        QTest::addColumn<int>("cevap");
        QTest::addColumn<QList<int>>("bitis");
        QTest::newRow("Evet") << int(mbEvet) << QList<int>{0};
        QTest::newRow("Hayır") << int(mbHayir) << QList<int>{};
    }
    void cikisSorusu() {
        QFETCH(int, cevap);
        QFETCH(QList<int>, bitis);
        const QString soru = QStringLiteral("Programdan Çıkmak İstiyor musunuz ?");
        BetikliMesajlar mesajlar;
        mesajlar.Yanitla(soru, static_cast<MesajTusu>(cevap));
        TForm1 f;
        f.show();
        f.Sekmeler()->setCurrentIndex(TForm1::sccariekstre);
        f.close();
        QCOMPARE(mesajlar.Metinler(), QStringList{soru});
        const auto& istek = mesajlar.Mesajlar().front();
        QCOMPARE(istek.tur, int(mtSoru));
        QCOMPARE(istek.tuslar, kEvetHayirTuslari);
        QCOMPARE(istek.ilkTus, int(mbEvet));
        QCOMPARE(bitisler_, bitis);
        // Either way the window itself is left as it was; only the process ends.
        QVERIFY(f.isVisible());
        QCOMPARE(f.Sekmeler()->currentIndex(), int(TForm1::sccariekstre));
    }
};

RVZ_TEST_ANA(AnaPencereTesti)
#include "ana_pencere_testi.moc"
