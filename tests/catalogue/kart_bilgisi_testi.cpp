// What the item card shows for a row of each source.
#include "kart_bilgisi.h"
#include "test_ana.h"
#include "veriseti.h"

#include <QtTest>

using namespace rvz;

namespace {

enum class Kaynak { Stok, Yeniler, Kampanya, Sepet };

// One row carrying every column any source reads.
void SatirKur(TVeriSeti& v, int k) {
    v.SutunlariKur({{"STOK_STOKNO", SutunTuru::Integer},
                    {"STOKNO", SutunTuru::Integer},
                    {"K", SutunTuru::Integer},
                    {"KDV", SutunTuru::Integer},
                    {"MIKTAR", SutunTuru::Double},
                    {"FIYAT", SutunTuru::Double},
                    {"BIRIMFIYAT", SutunTuru::Double},
                    {"NETFIYAT", SutunTuru::Double},
                    {"NETBIRIMFIYAT", SutunTuru::Double},
                    {"KDVDAHIL", SutunTuru::Double},
                    {"INDIRIMYAZI", SutunTuru::WideText}});
    v.SatirEkle();
    v.Edit();
    v.AlanYaz("STOK_STOKNO", 7);
    v.AlanYaz("STOKNO", 7);
    v.AlanYaz("K", k);
    v.AlanYaz("KDV", 20);
    v.AlanYaz("MIKTAR", 4.0);
    v.AlanYaz("FIYAT", 150.0);
    v.AlanYaz("BIRIMFIYAT", 150.0);
    v.AlanYaz("NETFIYAT", 100.0);
    v.AlanYaz("NETBIRIMFIYAT", 100.0);
    v.AlanYaz("KDVDAHIL", 119.99); // deliberately not NETFIYAT × 1,2: shows which one is used
    v.AlanYaz("INDIRIMYAZI", QStringLiteral("25+10"));
    v.Post();
}

} // namespace

Q_DECLARE_METATYPE(Kaynak)

class KartBilgisiTesti : public QObject {
    Q_OBJECT
private slots:
    void doldurma_data() {
        QTest::addColumn<Kaynak>("kaynak");
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("indirim");
        QTest::addColumn<double>("kdvDahil");
        QTest::addColumn<double>("kdvliFiyat");
        QTest::addColumn<bool>("kampanya");
        QTest::addColumn<int>("adet");
        QTest::newRow("stok") << Kaynak::Stok << 0 << "İndirim: %25+10" << 119.99 << 119.99 << false << 1;
        QTest::newRow("stok, kampanyalı")
            << Kaynak::Stok << 1 << "Kampanyalı 25+10" << 119.99 << 119.99 << true << 1;
        QTest::newRow("yeni: KDV hesaplanır")
            << Kaynak::Yeniler << 0 << "İndirim:  % 25+10" << 120.0 << 119.99 << false << 1;
        QTest::newRow("yeni, kampanyalı")
            << Kaynak::Yeniler << 1 << "Kampanyalı 25+10" << 119.99 << 119.99 << true << 1;
        QTest::newRow("kampanya listesi")
            << Kaynak::Kampanya << 0 << "Kampanyalı 25+10" << 119.99 << 119.99 << true << 1;
        QTest::newRow("sepet satırı") << Kaynak::Sepet << 1 << "İndirim:" << 120.0 << 120.0 << false << 4;
    }
    void doldurma() {
        QFETCH(Kaynak, kaynak);
        QFETCH(int, k);
        QFETCH(QString, indirim);
        QFETCH(double, kdvDahil);
        QFETCH(double, kdvliFiyat);
        QFETCH(bool, kampanya);
        QFETCH(int, adet);
        TVeriSeti v;
        SatirKur(v, k);
        v.First();
        const auto b = kaynak == Kaynak::Stok       ? katalog::StoktanBilgi(v)
                       : kaynak == Kaynak::Yeniler  ? katalog::YenilerdenBilgi(v)
                       : kaynak == Kaynak::Kampanya ? katalog::KampanyadanBilgi(v)
                                                    : katalog::SepettenBilgi(v);
        QCOMPARE(b.stokno, 7);
        QCOMPARE(b.indirimBasligi, indirim);
        QCOMPARE(b.kdvDahil, kdvDahil);
        QCOMPARE(b.kdvliFiyat, kdvliFiyat);
        QCOMPARE(b.kampanya, kampanya);
        QCOMPARE(b.adet, adet);
        QCOMPARE(b.birimFiyat, 150.0);
        QCOMPARE(b.netFiyat, 100.0);
    }
};

RVZ_TEST_ANA(KartBilgisiTesti)
#include "kart_bilgisi_testi.moc"
