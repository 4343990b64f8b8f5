#include "grupluizgara.h"
#include "grupmodeli.h"
#include "izgara.h"
#include "izgaramodeli.h"
#include "izgarasuzgeci.h"
#include "simgeler.h"
#include "sutunorani.h"
#include "veriseti.h"
#include "verisetiislemleri.h"

#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QTreeView>
#include <QtTest>

using namespace rvz;

namespace {

// Five stock rows; FIYAT is a double column, MIKTAR an integer one.
OleVariant StokPaketi() {
    auto t = std::make_shared<Tablo>();
    t->sutunlar = {{"DURUM", SutunTuru::Integer},  {"SEC", SutunTuru::Integer},
                   {"MARKA", SutunTuru::WideText}, {"ADI", SutunTuru::WideText},
                   {"MIKTAR", SutunTuru::Integer}, {"FIYAT", SutunTuru::Double}};
    t->satirlar = {{0, 1, "BOSCH", "Fren balatası ön", 2, 1000000.0},
                   {1, 0, "BREMBO", "Fren diski", 1, 234567.891},
                   {5, 1, "BOSCH", "Şaft kavrama", 4, 0.5},
                   {3, 0, "İŞBİR", "Işık anahtarı", 10, 12.25},
                   {9, 0, "VALEO", "Debriyaj seti", 3, 100.0}};
    return t;
}

std::vector<TIzgaraSutunu> StokSutunlari() {
    return {{.baslik = "Durum", .alan = "DURUM", .cins = SutunCinsi::DurumSimgesi},
            {.baslik = "Seç", .alan = "SEC", .sunulan = false, .cins = SutunCinsi::OnayKutusu},
            {.baslik = "Marka", .alan = "MARKA", .agirlik = 2, .ozet = OzetCinsi::Adet},
            {.baslik = "Açıklama", .alan = "ADI", .agirlik = 3},
            {.baslik = "Miktar", .alan = "MIKTAR", .ozet = OzetCinsi::Toplam},
            {.baslik = "Fiyat", .alan = "FIYAT", .agirlik = 2, .ozet = OzetCinsi::Toplam},
            {.baslik = "", .alan = "OLMAYAN", .gorunur = false}};
}

} // namespace

class IzgaraTesti : public QObject {
    Q_OBJECT

    TVeriSeti veri_;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void init() {
        veri_.PaketAta(StokPaketi());
        SayiBicimiVer(veri_);
    }

    void modellerDenetcidenGecer() {
        TIzgara izgara;
        QAbstractItemModelTester d1(izgara.Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester d2(izgara.Suzgec(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        izgara.SutunlariTanimla(StokSutunlari());
        izgara.VeriSetiBagla(&veri_);
        izgara.SuzgecAyarla(2, QStringLiteral("BOSCH"));
        izgara.Suzgec()->sort(5, Qt::DescendingOrder);
        veri_.SetRecNo(2);
        veri_.Edit();
        veri_.AlanYaz("SEC", 0);
        veri_.Post();
        veri_.PaketAta(StokPaketi());
        izgara.VeriSetiAyir();

        TGrupluIzgara gruplu;
        QAbstractItemModelTester d3(gruplu.Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        gruplu.SutunlariTanimla(StokSutunlari(), "MARKA");
        gruplu.VeriSetiBagla(&veri_);
        veri_.PaketAta(StokPaketi());
    }

    void hucreler() {
        TIzgara izgara;
        izgara.SutunlariTanimla(StokSutunlari());
        izgara.VeriSetiBagla(&veri_);
        const auto* m = izgara.Model();
        QCOMPARE(m->index(1, 5).data().toString(), QStringLiteral("234.567,89"));
        QCOMPARE(m->index(1, 5).data(TIzgaraModeli::HamDegerRolu).toDouble(), 234567.891);
        QCOMPARE(m->index(0, 1).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(m->index(1, 1).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QVERIFY(!m->index(0, 0).data(Qt::DecorationRole).value<QPixmap>().isNull());
        QCOMPARE(m->index(0, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("Yok"));
        QVERIFY(!m->index(4, 0).data(Qt::DecorationRole).isValid()); // DURUM 9 has no icon
        QVERIFY(!m->index(0, 0).data().isValid());                   // icons only, no text
        // A declared field the result lacks: an empty column with the field name as its header.
        QVERIFY(!m->index(0, 6).data().isValid());
        QCOMPARE(m->headerData(6, Qt::Horizontal).toString(), QStringLiteral("OLMAYAN"));
        QVERIFY(!izgara.SutunGorunurMu(6));
    }

    void durumSimgeleriBirbirindenFarkli() {
        std::vector<QImage> simgeler;
        for (int durum = 0; durum <= 5; ++durum) {
            const QImage simge = DurumSimgesi(durum).toImage();
            QVERIFY(!simge.isNull());
            for (const auto& onceki : simgeler)
                QVERIFY(onceki != simge);
            simgeler.push_back(simge);
        }
        QVERIFY(DurumSimgesi(6).isNull());
    }

    void sutunlariOranla_data() {
        QTest::addColumn<QList<int>>("agirliklar");
        QTest::addColumn<QList<bool>>("gorunur");
        QTest::addColumn<int>("genislik");
        QTest::addColumn<int>("birim");
        QTest::addColumn<QList<int>>("genislikler"); // -1: hidden, not sized
        QTest::newRow("toplam 20, 1030 piksel")
            << QList<int>{3, 2, 5, 10} << QList<bool>{true, true, true, true} << 1030 << 50
            << QList<int>{150, 100, 250, 500};
        QTest::newRow("gizli sütun sayılmaz") << QList<int>{3, 7, 2} << QList<bool>{true, false, true} << 530
                                              << 100 << QList<int>{300, -1, 200};
        QTest::newRow("birim aşağı yuvarlanır")
            << QList<int>{1, 2} << QList<bool>{true, true} << 130 << 33 << QList<int>{33, 66};
        QTest::newRow("ağırlık 0 genişlik 0")
            << QList<int>{0, 1} << QList<bool>{true, true} << 130 << 100 << QList<int>{0, 100};
        QTest::newRow("görünür sütun yok")
            << QList<int>{2} << QList<bool>{false} << 1030 << 0 << QList<int>{-1};
    }
    void sutunlariOranla() {
        QFETCH(QList<int>, agirliklar);
        QFETCH(QList<bool>, gorunur);
        QFETCH(int, genislik);
        QFETCH(int, birim);
        QFETCH(QList<int>, genislikler);
        std::vector<TIzgaraSutunu> sutunlar;
        for (int i = 0; i < agirliklar.size(); ++i)
            sutunlar.push_back(
                {.alan = "A" + std::to_string(i), .gorunur = gorunur[i], .agirlik = agirliklar[i]});
        TIzgara izgara;
        izgara.SutunlariTanimla(sutunlar);
        QCOMPARE(SutunlariOranla(izgara, genislik), birim);
        for (int i = 0; i < genislikler.size(); ++i)
            if (genislikler[i] >= 0)
                QCOMPARE(izgara.Baslik()->sectionSize(i), genislikler[i]);
    }

    void altBilgiSuzgeceUyar() {
        TIzgara izgara;
        izgara.SutunlariTanimla(StokSutunlari());
        izgara.VeriSetiBagla(&veri_);
        QCOMPARE(izgara.AltBilgiMetni(2), QStringLiteral("5"));
        QCOMPARE(izgara.AltBilgiMetni(4), QStringLiteral("20"));
        QCOMPARE(izgara.AltBilgiMetni(5), QStringLiteral("1.234.680,64"));
        QCOMPARE(izgara.AltBilgiMetni(3), QString());

        QCOMPARE(izgara.SuzgecDegerleri(2), (QStringList{"BOSCH", "BREMBO", "İŞBİR", "VALEO"}));
        izgara.SuzgecAyarla(2, QStringLiteral("BOSCH"));
        QCOMPARE(izgara.Tablo()->model()->rowCount(), 2);
        QCOMPARE(izgara.AltBilgiMetni(2), QStringLiteral("2"));
        QCOMPARE(izgara.AltBilgiMetni(5), QStringLiteral("1.000.000,50"));
        QCOMPARE(izgara.AktarimTablosu().satirlar.size(), std::size_t{2});
        izgara.SuzgeciTemizle();
        QCOMPARE(izgara.AltBilgiMetni(2), QStringLiteral("5"));

        // A posted edit shows in the footer at once.
        veri_.SetRecNo(4);
        veri_.Edit();
        veri_.AlanYaz("MIKTAR", 13);
        veri_.Post();
        QCOMPARE(izgara.AltBilgiMetni(4), QStringLiteral("30"));
    }

    void artimliArama_data() {
        QTest::addColumn<int>("sutun");
        QTest::addColumn<QString>("yazilan");
        QTest::addColumn<int>("satir");
        QTest::newRow("ilk eşleşen") << 2 << "BO" << 0;
        QTest::newRow("devamı") << 2 << "BR" << 1;
        QTest::newRow("küçük harf") << 3 << "fren d" << 1;
        QTest::newRow("Türkçe büyük-küçük") << 3 << "ış" << 3;
        QTest::newRow("noktalı i") << 2 << "işb" << 3;
        QTest::newRow("eşleşme yok, odak kalır") << 3 << "zzz" << 4;
    }
    void artimliArama() {
        QFETCH(int, sutun);
        QFETCH(QString, yazilan);
        QFETCH(int, satir);
        TIzgara izgara;
        izgara.SutunlariTanimla(StokSutunlari());
        izgara.VeriSetiBagla(&veri_);
        auto* tablo = izgara.Tablo();
        tablo->setCurrentIndex(tablo->model()->index(4, sutun));
        tablo->keyboardSearch(yazilan);
        QCOMPARE(izgara.OdakSatir(), satir);
    }

    void sutunSecici() {
        TIzgara izgara;
        izgara.SutunlariTanimla(StokSutunlari());
        std::unique_ptr<QMenu> menu(izgara.SutunSeciciOlustur(nullptr));
        QStringList adlar;
        for (auto* s : menu->actions())
            adlar << s->text();
        QCOMPARE(adlar, (QStringList{"Durum", "Marka", "Açıklama", "Miktar", "Fiyat", "OLMAYAN"}));
        menu->findChild<QAction*>(QStringLiteral("OLMAYAN"))->setChecked(true);
        QVERIFY(izgara.SutunGorunurMu(6));
        menu->findChild<QAction*>(QStringLiteral("MARKA"))->setChecked(false);
        QVERIFY(!izgara.SutunGorunurMu(2));
        QCOMPARE(izgara.AktarimTablosu().basliklar,
                 (QStringList{"Durum", "Seç", "Açıklama", "Miktar", "Fiyat", "OLMAYAN"}));
        veri_.PaketAta(StokPaketi()); // a reload keeps the user's choice
        izgara.VeriSetiBagla(&veri_);
        QVERIFY(!izgara.SutunGorunurMu(2));
    }

    void kendiSatirlariResimGosterir() {
        QImage resim(60, 40, QImage::Format_RGB32);
        resim.fill(Qt::red);
        QByteArray png;
        QBuffer tampon(&png);
        tampon.open(QIODevice::WriteOnly);
        resim.save(&tampon, "PNG");

        TIzgara duyurular;
        duyurular.SutunlariTanimla({{.alan = "RESIM", .cins = SutunCinsi::Resim},
                                    {.alan = "BASLIK", .gorunur = false, .sunulan = false},
                                    {.alan = "ARAMA", .gorunur = false, .sunulan = false}});
        auto& satirlar = duyurular.KendiSatirlari();
        satirlar.SutunlariKur(
            {{"RESIM", SutunTuru::Bytes}, {"BASLIK", SutunTuru::WideText}, {"ARAMA", SutunTuru::WideText}});
        satirlar.SatirEkle();
        satirlar.Edit();
        satirlar.AlanYaz("RESIM", png);
        satirlar.AlanYaz("ARAMA", QStringLiteral("#KAMPANYA#"));
        satirlar.Post();
        satirlar.SatirEkle(); // no picture
        const auto* m = duyurular.Model();
        QCOMPARE(m->rowCount(), 2);
        QCOMPARE(m->index(0, 0).data(Qt::DecorationRole).value<QPixmap>().size(), QSize(60, 40));
        QVERIFY(!m->index(1, 0).data(Qt::DecorationRole).isValid());
        QCOMPARE(satirlar.Deger(0, 2).toString(), QStringLiteral("#KAMPANYA#"));
    }

    void gruplarVeGrupAltBilgileri() {
        TGrupluIzgara izgara;
        izgara.SutunlariTanimla(StokSutunlari(), "MARKA");
        izgara.VeriSetiBagla(&veri_);
        const auto* g = izgara.Model();
        QCOMPARE(g->GrupSayisi(), 4);
        QStringList basliklar;
        for (int i = 0; i < g->GrupSayisi(); ++i)
            basliklar << g->GrupBasligi(i);
        QCOMPARE(basliklar, (QStringList{"Marka: BOSCH", "Marka: BREMBO", "Marka: İŞBİR", "Marka: VALEO"}));
        QCOMPARE(g->GrupOzeti(0, 2), QStringLiteral("2"));
        QCOMPARE(g->GrupOzeti(0, 5), QStringLiteral("1.000.000,50"));
        QCOMPARE(izgara.AltBilgiMetni(5), QStringLiteral("1.234.680,64"));

        izgara.HepsiniDaralt();
        auto* agac = izgara.Agac();
        agac->resize(800, 600);
        const QModelIndex bosch = g->index(0, 0);
        const QModelIndex boschAlt = g->index(1, 3);
        QVERIFY(!agac->isExpanded(bosch));
        QVERIFY(agac->visualRect(boschAlt).isValid()); // the footer stays visible
        QVERIFY(!agac->visualRect(g->index(0, 3, bosch)).isValid());

        // The export writes every group expanded: caption, rows, footer.
        const auto t = izgara.AktarimTablosu();
        QCOMPARE(t.satirlar.size(), std::size_t{4 * 2 + 5});
        QCOMPARE(t.satirlar[0][0].toString(), QStringLiteral("Marka: BOSCH"));
        QCOMPARE(t.satirlar[1][3].toString(), QStringLiteral("Fren balatası ön"));
        QCOMPARE(t.satirlar[3][5].toString(), QStringLiteral("1.000.000,50"));
        QVERIFY(t.vurgulu[0] && !t.vurgulu[1] && t.vurgulu[3]);
    }
};

QTEST_MAIN(IzgaraTesti)
#include "tst_izgara.moc"
