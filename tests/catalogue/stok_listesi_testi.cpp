// The stock list as a user drives it: the search box, Enter, the caption, the layouts, the
// price information cell; against the real server with the demo data.
#include "ana_pencere_ortami.h"
#include "betikli_mesajlar.h"
#include "izgara.h"
#include "proxim.h"
#include "stok_sutunlari.h"
#include "stoklistesi.h"
#include "test_ana.h"
#include "veriseti.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using namespace rvz;

namespace {

int FiyatBilgisiSutunu(const TIzgara& izgara) {
    const auto& s = izgara.Sutunlar();
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i].baslik == katalog::kFiyatBilgisi)
            return static_cast<int>(i);
    return -1;
}

} // namespace

class StokListesiTesti : public QObject {
    Q_OBJECT
    test::AnaPencereOrtami ortam;

    QString Baslik() { return ortam.Form().Sekmeler()->tabText(app::TForm1::sstoklistesi); }
    TIzgara* Izgara() { return ortam.Form().StokListesi()->Izgara(); }

private slots:
    void initTestCase() { QVERIFY2(ortam.Baslat(), qPrintable(ortam.Hata())); }

    void enAzUcHarf_data() {
        QTest::addColumn<QString>("yazilan");
        QTest::addColumn<bool>("kabul");
        QTest::newRow("iki harf, iki yanında boşluk") << "  FI  " << false;
        QTest::newRow("boşluklar") << "     " << false;
        QTest::newRow("üç harf ve boşluk") << "FIL " << true;
        QTest::newRow("parça adı") << "filtre" << true;
    }
    void enAzUcHarf() {
        QFETCH(QString, yazilan);
        QFETCH(bool, kabul);
        test::BetikliMesajlar mesajlar;
        mesajlar.Yanitla(QStringLiteral("Lütfen en az 3 harf giriniz !"), app::mbTamam);
        ortam.Form().Sekmeler()->setCurrentIndex(app::TForm1::sonceki); // another tab is active
        const QString onceki = Baslik();
        QVERIFY(ortam.Ara(yazilan));
        QCOMPARE(ortam.Form().Sekmeler()->currentIndex(), int(app::TForm1::sstoklistesi));
        if (!kabul) {
            QCOMPARE(mesajlar.Metinler(), QStringList{QStringLiteral("Lütfen en az 3 harf giriniz !")});
            QCOMPARE(Baslik(), onceki);
            return;
        }
        QVERIFY(mesajlar.Metinler().isEmpty());
        // The text goes as typed: the caption counts what the server finds for it, spaces and all.
        QCOMPARE(ortam.Form().AramaKutusu()->text(), yazilan.toUpper());
        auto sonuc = ortam.Istemci().StokAraGetir(yazilan.toUpper().toStdString(), ortam.Oturum());
        const int beklenen = static_cast<int>(sonuc->satirlar.size());
        QVERIFY(beklenen > 0);
        QCOMPARE(Baslik(), QString::number(beklenen) + QStringLiteral("=Stok Listesi"));
        QCOMPARE(ortam.Form().stok.RecordCount(), beklenen);
        QCOMPARE(ortam.Form().AramaKutusu()->selectedText(), ortam.Form().AramaKutusu()->text());
    }

    void turkceHarfler_data() {
        QTest::addColumn<QString>("yazilan");
        QTest::addColumn<QString>("kutuda");
        QTest::newRow("küçükler") << QStringLiteral("şğüöçı") << "SGUOCI";
        QTest::newRow("büyükler") << QStringLiteral("ŞĞÜÖÇİ") << "SGUOCI";
        QTest::newRow("karışık") << QStringLiteral("yağ filtresi") << "YAG FILTRESI";
        QTest::newRow("i harfi") << QStringLiteral("il") << "IL";
    }
    void turkceHarfler() {
        QFETCH(QString, yazilan);
        QFETCH(QString, kutuda);
        auto* kutu = ortam.Form().AramaKutusu();
        kutu->clear();
        test::AnaPencereOrtami::Yaz(kutu, yazilan);
        QCOMPARE(kutu->text(), kutuda);
    }

    void bosSonuc() {
        test::BetikliMesajlar mesajlar;
        QVERIFY(ortam.Ara(QStringLiteral("QQXQZZ")));
        QCOMPARE(Baslik(), QStringLiteral("0=Stok Listesi"));
        QCOMPARE(ortam.Form().stok.RecordCount(), 0);
        QVERIFY(mesajlar.Metinler().isEmpty());
    }

    void temizle() {
        QVERIFY(ortam.Ara(QStringLiteral("FILTRE")));
        QVERIFY(ortam.Form().stok.RecordCount() > 0);
        ortam.Form().findChild<QPushButton*>(QStringLiteral("temizle"))->click();
        QCOMPARE(ortam.Form().stok.RecordCount(), 0);
        QCOMPARE(Baslik(), QStringLiteral("Stok Listesi"));
        QVERIFY(ortam.Form().AramaKutusu()->text().isEmpty());
    }

    void genisVeDarDuzen_data() {
        QTest::addColumn<int>("genislik");
        QTest::addColumn<bool>("fiyatSutunlari");
        QTest::addColumn<int>("satirYuksekligi");
        QTest::addColumn<QString>("resim");
        QTest::newRow("1300 piksel: geniş") << 1300 << true << 40 << "stok_listesi_genis.png";
        QTest::newRow("1152 piksel: dar") << 1152 << false << 100 << "stok_listesi_1152.png";
        QTest::newRow("1100 piksel: dar") << 1100 << false << 100 << "stok_listesi_dar.png";
    }
    void genisVeDarDuzen() {
        QFETCH(int, genislik);
        QFETCH(bool, fiyatSutunlari);
        QFETCH(int, satirYuksekligi);
        QFETCH(QString, resim);
        QVERIFY(ortam.Ara(QStringLiteral("FREN")));
        ortam.Form().resize(genislik, 800);
        auto* izgara = Izgara();
        QTRY_COMPARE(izgara->SatirYuksekligi(), satirYuksekligi);
        for (const char* alan : {"KDVDAHIL", "NETFIYAT", "KAMPFIYAT", "LISTEFIYAT1"})
            QCOMPARE(izgara->SutunGorunurMu(izgara->SutunNo(alan)), fiyatSutunlari);
        const int bilgi = FiyatBilgisiSutunu(*izgara);
        QCOMPARE(izgara->SutunGorunurMu(bilgi), !fiyatSutunlari);
        if (!fiyatSutunlari)
            QCOMPARE(izgara->Baslik()->sectionSize(bilgi), 150);
        test::AnaPencereOrtami::ResimKaydet(&ortam.Form(), resim);
    }

    void yeniVeKampanyaliListeler_data() {
        QTest::addColumn<int>("sekme");
        QTest::addColumn<QString>("baslik");
        QTest::addColumn<int>("satir");
        const int yeniler = static_cast<int>(ortam.Istemci().YenilerVer2(1)->satirlar.size());
        const int kampanyali = static_cast<int>(ortam.Istemci().KampanyaliVer2(1, 0)->satirlar.size());
        QTest::newRow("Yeni Stoklar") << int(app::TForm1::syeniler) << "=Yeni Stoklar" << yeniler;
        QTest::newRow("Kampanyalı Stoklar") << int(app::TForm1::skampanyali) << "=Kampanyalı" << kampanyali;
    }
    void yeniVeKampanyaliListeler() {
        QFETCH(int, sekme);
        QFETCH(QString, baslik);
        QFETCH(int, satir);
        test::BetikliMesajlar mesajlar;
        auto* sekmeler = ortam.Form().Sekmeler();
        sekmeler->setCurrentIndex(sekme);
        QTRY_COMPARE(sekmeler->tabText(sekme), QString::number(satir) + baslik);
        QVERIFY(satir > 0);
        QVERIFY(mesajlar.Metinler().isEmpty());
        sekmeler->setCurrentIndex(app::TForm1::sstoklistesi);
    }

    void fiyatBilgisi_data() {
        QTest::addColumn<double>("kampanya");
        QTest::addColumn<QStringList>("satirlar");
        QTest::newRow("kampanyasız") << 0.0
                                     << QStringList{"Liste Fiyatı: 1.234,50", "NetFiyat: 1.000,00",
                                                    "KDV li Fiyat: 1.200,00", ""};
        QTest::newRow("kampanyalı") << 12.5
                                    << QStringList{"Liste Fiyatı: 1.234,50", "Kampanyalı Fiyat: 12,50",
                                                   "NetFiyat: 1.000,00", "KDV li Fiyat: 1.200,00", ""};
    }
    void fiyatBilgisi() {
        QFETCH(double, kampanya);
        QFETCH(QStringList, satirlar);
        TVeriSeti v;
        v.SutunlariKur({{"LISTEFIYAT1", SutunTuru::Double},
                        {"KAMPFIYAT", SutunTuru::Double},
                        {"NETFIYAT", SutunTuru::Double},
                        {"KDVDAHIL", SutunTuru::Double}});
        v.SatirEkle();
        v.Edit();
        v.AlanYaz("LISTEFIYAT1", 1234.5);
        v.AlanYaz("KAMPFIYAT", kampanya);
        v.AlanYaz("NETFIYAT", 1000.0);
        v.AlanYaz("KDVDAHIL", 1200.0);
        v.Post();
        QCOMPARE(katalog::FiyatBilgisiMetni(v, 0).split(QLatin1Char('\n')), satirlar);
    }
};

RVZ_TEST_ANA(StokListesiTesti)
#include "stok_listesi_testi.moc"
