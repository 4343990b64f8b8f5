#include "durumaciklamasi.h"
#include "izgara.h"
#include "kayanyazi.h"
#include "sekmestili.h"
#include "sutunorani.h"
#include "veriseti.h"
#include "verisetiislemleri.h"

#include <QApplication>
#include <QDir>
#include <QStyleFactory>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtTest>

using namespace rvz;

namespace {

OleVariant SepetPaketi() {
    auto t = std::make_shared<Tablo>();
    t->sutunlar = {{"SEC", SutunTuru::Integer},     {"DURUM", SutunTuru::Integer},
                   {"BARKOD", SutunTuru::WideText}, {"ADI", SutunTuru::WideText},
                   {"MARKA", SutunTuru::WideText},  {"MIKTAR", SutunTuru::Integer},
                   {"NETFIYAT", SutunTuru::Double}, {"TUTAR", SutunTuru::Double}};
    t->satirlar = {{1, 1, "8690001", "Ön fren balatası takımı", "BOSCH", 2, 1250.5, 2501.0},
                   {0, 3, "8690002", "Debriyaj seti (çift kütleli)", "VALEO", 1, 18999.9, 18999.9},
                   {1, 2, "8690003", "Yağ filtresi", "MANN", 10, 185.25, 1852.5},
                   {1, 5, "8690004", "Şaft kavraması, sağ", "GKN", 1, 4320.0, 4320.0},
                   {0, 4, "8690005", "Işık anahtarı Ğ/Ü/İ/Ö/Ç", "İŞBİR", 3, 99.99, 299.97},
                   {1, 0, "8690006", "Triger kayışı", "GATES", 1, 1234567.891, 1234567.891}};
    return t;
}

} // namespace

class PencereTesti : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        QApplication::setStyle(new TSekmeStili(QStyleFactory::create(QStringLiteral("Fusion"))));
    }

    void ekranGoruntusu() {
        TVeriSeti sepet;
        sepet.PaketAta(SepetPaketi());
        SayiBicimiVer(sepet);

        QWidget pencere;
        pencere.resize(1180, 560);
        auto* duzen = new QVBoxLayout(&pencere);
        auto* sekmeler = new QTabWidget(&pencere);
        sekmeler->setObjectName(QStringLiteral("sayfalar"));
        const QIcon simge(
            QPixmap(QStringLiteral(":/qt-project.org/styles/commonstyle/images/standardbutton-save-16.png")));
        sekmeler->setIconSize(QSize(16, 16));
        auto* izgara = new TIzgara;
        izgara->setObjectName(QStringLiteral("sepetgrid"));
        sekmeler->addTab(new QWidget, QStringLiteral("37=Stok Listesi"));
        sekmeler->addTab(izgara, simge, QStringLiteral("6=Sepet"));
        sekmeler->addTab(new QWidget, QStringLiteral("0=Yeni Stoklar"));
        sekmeler->addTab(new QWidget, QStringLiteral("12=Kampanyalı"));
        sekmeler->addTab(new QWidget, QStringLiteral("2,5=Bakiyeler"));
        sekmeler->setCurrentWidget(izgara);
        duzen->addWidget(sekmeler, 1);
        duzen->addWidget(new TDurumAciklamasi);
        auto* serit = new TKayanYazi;
        serit->OgeAta(QStringLiteral("<b>Duyuru:</b> Şubat ayı boyunca <font color=#c0392b>fren grubunda %15 "
                                     "indirim</font>"));
        duzen->addWidget(serit);

        izgara->SutunlariTanimla({
            {.baslik = "Seç", .alan = "SEC", .sunulan = false, .cins = SutunCinsi::OnayKutusu},
            {.baslik = "Durum", .alan = "DURUM", .cins = SutunCinsi::DurumSimgesi},
            {.baslik = "Barkod", .alan = "BARKOD", .agirlik = 2, .ozet = OzetCinsi::Adet},
            {.baslik = "Açıklama", .alan = "ADI", .agirlik = 4},
            {.baslik = "Marka", .alan = "MARKA", .agirlik = 2},
            {.baslik = "Miktar", .alan = "MIKTAR", .ozet = OzetCinsi::Toplam},
            {.baslik = "Net Fiyat", .alan = "NETFIYAT", .agirlik = 2},
            {.baslik = "Net Tutar", .alan = "TUTAR", .agirlik = 2, .ozet = OzetCinsi::Toplam},
        });
        izgara->RenkleriAyarla(QColor(255, 255, 255), QColor(242, 246, 250), QColor(255, 226, 153));
        izgara->VeriSetiBagla(&sepet);
        izgara->OdakSatirAta(2);
        pencere.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pencere));
        SutunlariOranla(*izgara, izgara->width());

        QCOMPARE(izgara->AltBilgiMetni(2), QStringLiteral("6"));
        QCOMPARE(izgara->AltBilgiMetni(5), QStringLiteral("18"));
        QCOMPARE(izgara->AltBilgiMetni(7), QStringLiteral("1.262.541,26"));

        QDir().mkpath(QStringLiteral(EKRAN_KLASORU));
        const QString yol = QStringLiteral(EKRAN_KLASORU "/ui_pencere.png");
        QVERIFY(pencere.grab().save(yol));
    }
};

QTEST_MAIN(PencereTesti)
#include "tst_pencere.moc"
