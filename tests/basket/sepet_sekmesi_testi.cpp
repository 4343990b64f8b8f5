// The basket tab of a manager acting for dealer 1: the lines are prepared on the server with
// chosen prices (sales staff may send their own), then the user looks at the tab.
#include "ana_pencere_ortami.h"
#include "betikli_mesajlar.h"
#include "izgara.h"
#include "proxim.h"
#include "sepet_sekmesi.h"
#include "test_ana.h"
#include "veriseti.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace rvz;

class SepetSekmesiTesti : public QObject {
    Q_OBJECT
    test::AnaPencereOrtami ortam;

    QString Deger(const char* ad) {
        return ortam.Form().SepetSekmesi()->findChild<QLabel*>(QLatin1String(ad))->text();
    }
    void Tikla(const char* ad) {
        ortam.Form().SepetSekmesi()->findChild<QPushButton*>(QLatin1String(ad))->click();
    }

    // A line of `fiyat` with a 10 % discount and 20 % VAT; the server's SIRANO of it.
    int SatirEkle(int stokno, double fiyat, int secim) {
        auto& i = ortam.Istemci();
        const int carino = ortam.Form().sbilgi.CARINO;
        if (i.SepetEkle2(ortam.Oturum(), carino, stokno, "", "", 1, 20, fiyat, 10, 0, 0, 0, 0, 0) != 1)
            return 0;
        auto sepet = i.SepetVer2(carino);
        const int sira = sepet->SutunNo("SIRANO");
        const int sirano = static_cast<int>(std::get<std::int64_t>(sepet->satirlar.back()[sira]));
        i.SepetSecimGuncelle(sirano, secim);
        return sirano;
    }
    std::vector<int> SunucudakiSecimler() {
        auto sepet = ortam.Istemci().SepetVer2(ortam.Form().sbilgi.CARINO);
        std::vector<int> s;
        for (const auto& r : sepet->satirlar)
            s.push_back(static_cast<int>(std::get<std::int64_t>(r[sepet->SutunNo("SEC")])));
        return s;
    }

private slots:
    void initTestCase() { QVERIFY2(ortam.Baslat(QStringLiteral("DEMO-TIP2")), qPrintable(ortam.Hata())); }
    void init() { ortam.Istemci().SepetHepsiniSil(ortam.Oturum()); }
    void cleanup() { ortam.Form().Sekmeler()->setCurrentIndex(app::TForm1::sstoklistesi); }

    void toplamlar() {
        test::BetikliMesajlar mesajlar;
        QVERIFY(SatirEkle(10, 100, 1));
        QVERIFY(SatirEkle(11, 50, 1));
        QVERIFY(SatirEkle(12, 4321, 0));
        QVERIFY(ortam.SepetiGoster());
        QCOMPARE(ortam.Form().Sekmeler()->tabText(app::TForm1::ssepet), QStringLiteral("3=Sepet"));
        const QStringList beklenen{"150,00", "15,00", "135,00", "27,00", "162,00"};
        const char* etiketler[] = {"aratoplaml", "indiriml", "nettutarl", "vergil", "geneltoplaml"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(Deger(etiketler[i]), beklenen[i]);
        test::AnaPencereOrtami::ResimKaydet(&ortam.Form(), QStringLiteral("sepet_toplamlar.png"));

        Tikla("secimlerikaldir");
        for (const char* e : etiketler)
            QCOMPARE(Deger(e), QStringLiteral("0,00"));
        QCOMPARE(SunucudakiSecimler(), (std::vector<int>{0, 0, 0}));
        Tikla("hepsinisec");
        QCOMPARE(Deger("geneltoplaml"), QStringLiteral("4.828,68"));
        QCOMPARE(SunucudakiSecimler(), (std::vector<int>{1, 1, 1}));
        QVERIFY(mesajlar.Metinler().isEmpty());
    }

    void secimCiftTiklama_data() {
        QTest::addColumn<int>("once");
        QTest::addColumn<int>("sonra");
        QTest::newRow("seçili satır") << 1 << 0;
        QTest::newRow("seçilmemiş satır") << 0 << 1;
        QTest::newRow("başka bir değer") << 7 << 0;
    }
    void secimCiftTiklama() {
        QFETCH(int, once);
        QFETCH(int, sonra);
        QVERIFY(SatirEkle(10, 100, once == 0 ? 0 : 1));
        QVERIFY(ortam.SepetiGoster());
        auto& sepet = ortam.Form().sepet;
        sepet.First();
        sepet.Edit();
        sepet.AlanYaz("SEC", once);
        sepet.Post();
        auto* izgara = ortam.Form().SepetSekmesi()->Izgara();
        test::AnaPencereOrtami::CiftTikla(izgara, 0, izgara->SutunNo("SEC"));
        QCOMPARE(sepet.Deger(0, sepet.AlanNo("SEC")).toInt(), sonra);
        QCOMPARE(SunucudakiSecimler(), std::vector<int>{sonra});
        QCOMPARE(Deger("aratoplaml"), sonra ? QStringLiteral("100,00") : QStringLiteral("0,00"));
    }

    void bosSepetHicbirSeySormaz() {
        test::BetikliMesajlar mesajlar; // any message fails the test
        QVERIFY(ortam.SepetiGoster());
        QCOMPARE(ortam.Form().Sekmeler()->tabText(app::TForm1::ssepet), QStringLiteral("0=Sepet"));
        ortam.Form().SepetSekmesi()->HepsiniSil();
        QVERIFY(mesajlar.Metinler().isEmpty());
    }

    void hepsiniSil_data() {
        QTest::addColumn<int>("yanit");
        QTest::addColumn<int>("kalan");
        QTest::newRow("Evet") << int(app::mbEvet) << 0;
        QTest::newRow("Hayır") << int(app::mbHayir) << 2;
    }
    void hepsiniSil() {
        QFETCH(int, yanit);
        QFETCH(int, kalan);
        QVERIFY(SatirEkle(10, 100, 1));
        QVERIFY(SatirEkle(11, 50, 1));
        QVERIFY(ortam.SepetiGoster());
        test::BetikliMesajlar mesajlar;
        mesajlar.Yanitla(QStringLiteral("Tüm Sepeti Silmek İstiyor musunuz "), app::MesajTusu(yanit));
        mesajlar.Yanitla(QStringLiteral("Sepet Silindi !"), app::mbTamam);
        ortam.Form().SepetSekmesi()->HepsiniSil();
        QCOMPARE(ortam.Form().sepet.RecordCount(), kalan);
        QCOMPARE(static_cast<int>(SunucudakiSecimler().size()), kalan);
        QCOMPARE(Deger("geneltoplaml"), kalan ? QStringLiteral("162,00") : QStringLiteral("0,00"));
    }

    void hicSeciliSatirYoksaGonderilmez() {
        QVERIFY(SatirEkle(10, 100, 0));
        QVERIFY(ortam.SepetiGoster());
        test::BetikliMesajlar mesajlar;
        mesajlar.Yanitla(QStringLiteral("Gönderilecek Parça Yok "), app::mbTamam);
        Tikla("gonder");
        QCOMPARE(mesajlar.Metinler(), QStringList{QStringLiteral("Gönderilecek Parça Yok ")});
        QCOMPARE(SunucudakiSecimler(), std::vector<int>{0});
    }
};

RVZ_TEST_ANA(SepetSekmesiTesti)
#include "sepet_sekmesi_testi.moc"
