#include "izgaramodeli.h"
#include "veriseti.h"
#include "verisetiislemleri.h"

#include <QAbstractItemModelTester>
#include <QLocale>
#include <QtTest>

#include <thread>

using namespace rvz;

Q_DECLARE_METATYPE(rvz::SutunTuru)

namespace {

OleVariant Paket(std::vector<Sutun> sutunlar, std::vector<std::vector<Hucre>> satirlar) {
    auto t = std::make_shared<Tablo>();
    t->sutunlar = std::move(sutunlar);
    t->satirlar = std::move(satirlar);
    return t;
}

OleVariant SepetPaketi(const std::vector<std::int64_t>& secimler) {
    std::vector<std::vector<Hucre>> satirlar;
    std::int64_t no = 100;
    for (auto sec : secimler)
        satirlar.push_back({no++, sec});
    return Paket({{"STOKNO", SutunTuru::Integer}, {"SEC", SutunTuru::Integer}}, std::move(satirlar));
}

// Counts what an attached grid would hear.
struct Kulak : TVeriSetiDinleyici {
    int degisecek = 0, degisti = 0;
    std::vector<std::pair<int, int>> alanlar;
    void VeriSetiDegisecek() override { ++degisecek; }
    void VeriSetiDegisti() override { ++degisti; }
    void AlanDegisti(int satir, int sutun) override { alanlar.emplace_back(satir, sutun); }
};

} // namespace

class VeriSetiTesti : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void paketSutunlariVeSatirlariDegistirir() {
        TVeriSeti v;
        v.PaketAta(Paket({{"A", SutunTuru::Integer}, {"B", SutunTuru::WideText}}, {{1, "bir"}, {2, "iki"}}));
        v.PaketAta(
            Paket({{"ADI", SutunTuru::WideText}, {"FIYAT", SutunTuru::Double}, {"NOT", SutunTuru::WideText}},
                  {{"Çelik Balata", 12.5, std::monostate{}}}));
        QCOMPARE(v.FieldCount(), 3);
        QCOMPARE(v.RecordCount(), 1);
        QCOMPARE(v.AlanNo("A"), -1);
        QCOMPARE(v.FieldByName("ADI").toString(), QStringLiteral("Çelik Balata"));
        QVERIFY(v.BosMu(0, 2));
        QVERIFY(!v.FieldByName("NOT").isValid());
        v.PaketAta(nullptr);
        QVERIFY(!v.Acik());
        QVERIFY(!DoluMu(v));
    }

    void okuyucudanSatirSatirOkur() {
        auto tablo = Paket({{"NO", SutunTuru::Int64},
                            {"AD", SutunTuru::AnsiText},
                            {"VAR", SutunTuru::Boolean},
                            {"TARIH", SutunTuru::Date},
                            {"RESIM", SutunTuru::Bytes}},
                           {{std::int64_t{5000000000}, "ilk", std::int64_t{1}, OleTarih(2024, 2, 29),
                             std::string("\x01\x02", 2)},
                            {std::int64_t{7}, "son", std::int64_t{0}, std::monostate{}, std::monostate{}}});
        TDBXReader okuyucu(tablo);
        TVeriSeti v;
        v.OkuyucudanDoldur(okuyucu);
        QCOMPARE(v.RecordCount(), 2);
        QCOMPARE(v.AlanTuru(1), SutunTuru::AnsiText);
        QCOMPARE(v.Deger(0, 0).toLongLong(), 5000000000LL);
        QCOMPARE(v.Deger(0, 2).toBool(), true);
        QCOMPARE(v.Deger(0, 3).toDate(), QDate(2024, 2, 29));
        QCOMPARE(v.GosterimMetni(0, 3), QStringLiteral("29.02.2024"));
        QCOMPARE(v.Deger(0, 4).toByteArray(), QByteArray("\x01\x02", 2));
        QVERIFY(v.BosMu(1, 3));
        QCOMPARE(v.GosterimMetni(1, 3), QString());
    }

    void sayiBicimiYalnizcaDoubleSutunlara_data() {
        QTest::addColumn<SutunTuru>("tur");
        QTest::addColumn<double>("deger");
        QTest::addColumn<QString>("gorunen");
        QTest::newRow("double") << SutunTuru::Double << 1234567.891 << "1.234.567,89";
        QTest::newRow("double eksi") << SutunTuru::Double << -1234.5 << "-1.234,50";
        QTest::newRow("double sıfır") << SutunTuru::Double << 0.0 << "0,00";
        QTest::newRow("double yarım kuruş eksi") << SutunTuru::Double << -0.001 << "0,00";
        QTest::newRow("currency") << SutunTuru::Currency << 1234567.891 << "1234567,891";
        QTest::newRow("bcd") << SutunTuru::Bcd << 1234567.891 << "1234567,891";
        QTest::newRow("integer") << SutunTuru::Integer << 1234567.0 << "1234567";
    }
    void sayiBicimiYalnizcaDoubleSutunlara() {
        QFETCH(SutunTuru, tur);
        QFETCH(double, deger);
        QFETCH(QString, gorunen);
        const Hucre h = tur == SutunTuru::Integer ? Hucre{static_cast<std::int64_t>(deger)} : Hucre{deger};
        TVeriSeti v;
        v.PaketAta(Paket({{"X", tur}}, {{h}}));
        SayiBicimiVer(v);
        QCOMPARE(v.GosterimBicimi(0).isEmpty(), tur != SutunTuru::Double);
        QCOMPARE(v.GosterimMetni(0, 0), gorunen);
    }

    void seciliSatirVarMi_data() {
        QTest::addColumn<QList<qint64>>("secimler");
        QTest::addColumn<bool>("sonuc");
        QTest::addColumn<int>("imlec");
        QTest::newRow("boş sepet") << QList<qint64>{} << false << -1;
        QTest::newRow("hepsi 0") << QList<qint64>{0, 0, 0} << false << 3;
        QTest::newRow("ikincisi seçili") << QList<qint64>{0, 1, 1} << true << 1;
        QTest::newRow("2 seçim sayılmaz") << QList<qint64>{2} << false << 1;
    }
    void seciliSatirVarMi() {
        QFETCH(QList<qint64>, secimler);
        QFETCH(bool, sonuc);
        QFETCH(int, imlec);
        TVeriSeti v;
        v.PaketAta(SepetPaketi({secimler.begin(), secimler.end()}));
        QCOMPARE(SeciliSatirVarMi(v), sonuc);
        QCOMPARE(v.RecNo(), imlec);
    }

    void kapaliVeriSetiSessizKalir() {
        TVeriSeti v;
        SayiBicimiVer(v);
        QVERIFY(!SeciliSatirVarMi(v));
        QVERIFY(!DoluMu(v));
    }

    void locateVeYerelDuzenleme() {
        TVeriSeti v;
        v.PaketAta(SepetPaketi({0, 0, 0}));
        Kulak kulak;
        v.DinleyiciEkle(&kulak);
        QVERIFY(v.Locate("STOKNO", 102));
        QCOMPARE(v.RecNo(), 2);
        QVERIFY(!v.Locate("STOKNO", 999));
        QCOMPARE(v.RecNo(), 2);
        v.Edit();
        v.AlanYaz("SEC", 1);
        QCOMPARE(v.FieldByName("SEC").toInt(), 1); // the edit buffer is what the row reads
        QCOMPARE(v.Deger(2, 1).toInt(), 0);
        v.Post();
        QCOMPARE(v.Deger(2, 1).toInt(), 1);
        QCOMPARE(kulak.alanlar, (std::vector<std::pair<int, int>>{{2, 1}}));
        v.Edit();
        v.AlanYaz("SEC", 0);
        v.Cancel();
        QCOMPARE(v.Deger(2, 1).toInt(), 1);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, v.Locate("YOK", 1));
        v.DinleyiciCikar(&kulak);
    }

    void metinDuzenlemesiDigerSatirlariBozmaz() {
        TVeriSeti v;
        v.PaketAta(Paket({{"AD", SutunTuru::WideText}}, {{"bir"}, {"iki"}, {"üç"}}));
        v.SetRecNo(1);
        v.Edit();
        v.AlanYaz("AD", QStringLiteral("İKİNCİ SATIR"));
        v.Post();
        QCOMPARE(v.GosterimMetni(0, 0), QStringLiteral("bir"));
        QCOMPARE(v.GosterimMetni(1, 0), QStringLiteral("İKİNCİ SATIR"));
        QCOMPARE(v.GosterimMetni(2, 0), QStringLiteral("üç"));
    }

    void kontrollerIcIceKapanir() {
        TVeriSeti v;
        v.PaketAta(SepetPaketi({0}));
        Kulak kulak;
        v.DinleyiciEkle(&kulak);
        v.DisableControls();
        v.DisableControls();
        v.PaketAta(SepetPaketi({1, 1}));
        v.First();
        v.Edit();
        v.AlanYaz("SEC", 0);
        v.Post();
        v.EnableControls();
        QVERIFY(v.ControlsDisabled());
        QCOMPARE(kulak.degisti, 0);
        v.EnableControls();
        QVERIFY(!v.ControlsDisabled());
        QCOMPARE(kulak.degisecek, 1);
        QCOMPARE(kulak.degisti, 1);
        QVERIFY(kulak.alanlar.empty());
        v.EnableControls(); // one too many does not go below zero
        QVERIFY(!v.ControlsDisabled());
        v.DinleyiciCikar(&kulak);
    }

    void iscideDoldurulupBaglaninca_gorunur() {
        TVeriSeti v;
        TIzgaraModeli model;
        QAbstractItemModelTester denetci(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.SutunlariTanimla({{.baslik = "Stok", .alan = "STOKNO"}});
        model.VeriSetiBagla(&v);
        model.VeriSetiAyir();
        std::thread isci([&] {
            v.DisableControls();
            v.PaketAta(SepetPaketi(std::vector<std::int64_t>(500, 0)));
            SayiBicimiVer(v);
            v.EnableControls();
        });
        isci.join();
        QCOMPARE(model.rowCount(), 0);
        model.VeriSetiBagla(&v);
        QCOMPARE(model.rowCount(), 500);
        QCOMPARE(model.index(499, 0).data().toString(), QStringLiteral("599"));
    }

    void bellekHamVerininUcKatiniGecmez() {
        // 35 columns: 25 texts of 4 to 20 bytes, 10 numbers.
        constexpr int kSatir = 20000;
        std::vector<Sutun> sutunlar;
        for (int i = 0; i < 35; ++i)
            sutunlar.push_back({"S" + std::to_string(i), i < 25 ? SutunTuru::WideText : SutunTuru::Double});
        auto t = std::make_shared<Tablo>();
        t->sutunlar = sutunlar;
        std::size_t ham = 0;
        for (int r = 0; r < kSatir; ++r) {
            std::vector<Hucre> satir;
            for (int i = 0; i < 35; ++i) {
                if (i < 25) {
                    std::string metin(static_cast<std::size_t>(4 + (r + i) % 17), 'x');
                    ham += metin.size();
                    satir.emplace_back(std::move(metin));
                } else {
                    ham += sizeof(double);
                    satir.emplace_back(r * 1.5);
                }
            }
            t->satirlar.push_back(std::move(satir));
        }
        TVeriSeti v;
        v.PaketAta(t);
        QVERIFY2(v.HucreBellegi() <= 3 * ham,
                 qPrintable(QStringLiteral("%1 bayt, ham %2").arg(v.HucreBellegi()).arg(ham)));
    }
};

QTEST_MAIN(VeriSetiTesti)
#include "tst_veriseti.moc"
