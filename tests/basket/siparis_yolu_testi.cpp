// The road of an order as the demo dealer walks it: search, the item card, the basket, "Gönder".
#include "ana_pencere_ortami.h"
#include "betikli_mesajlar.h"
#include "izgara.h"
#include "modal.h"
#include "proxim.h"
#include "sepet_sekmesi.h"
#include "stokayarinti.h"
#include "stoklistesi.h"
#include "test_ana.h"
#include "veriseti.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

using namespace rvz;

namespace {

struct SepetSatiri {
    int sirano, stokno, miktar, sec;
};

void Dugme(QWidget* pencere, const char* ad) {
    pencere->findChild<QPushButton*>(QLatin1String(ad))->click();
}

} // namespace

class SiparisYoluTesti : public QObject {
    Q_OBJECT
    test::AnaPencereOrtami ortam;

    std::vector<SepetSatiri> SunucudakiSepet() {
        auto t = ortam.Istemci().SepetVer2(ortam.Form().sbilgi.CARINO);
        const auto sayi = [&](const auto& r, const char* ad) {
            const auto& h = r[t->SutunNo(ad)];
            return std::holds_alternative<double>(h) ? static_cast<int>(std::get<double>(h))
                                                     : static_cast<int>(std::get<std::int64_t>(h));
        };
        std::vector<SepetSatiri> s;
        for (const auto& r : t->satirlar)
            s.push_back({sayi(r, "SIRANO"), sayi(r, "STOKNO"), sayi(r, "MIKTAR"), sayi(r, "SEC")});
        return s;
    }
    int StoknoOfRow(int satir) {
        const auto& stok = ortam.Form().stok;
        return stok.Deger(satir, stok.AlanNo("STOK_STOKNO")).toInt();
    }
    // Double-clicks the first stock row and answers the item card with `eylem`.
    void KartiAc(std::function<void(QWidget*)> eylem) {
        test::ModaldeYap(std::move(eylem));
        auto* izgara = ortam.Form().StokListesi()->Izgara();
        test::AnaPencereOrtami::CiftTikla(izgara, 0, izgara->SutunNo("ADI"));
    }

private slots:
    void initTestCase() { QVERIFY2(ortam.Baslat(), qPrintable(ortam.Hata())); }
    void init() { ortam.Istemci().SepetHepsiniSil(ortam.Oturum()); }
    void cleanup() {
        test::ModallariKapat();
        ortam.Form().Sekmeler()->setCurrentIndex(app::TForm1::sstoklistesi);
    }

    void sepettekiUrunSatiriniAcar() {
        test::BetikliMesajlar mesajlar;
        QVERIFY(ortam.Ara(QStringLiteral("filtre")));
        QVERIFY(ortam.Form().stok.RecordCount() > 0);
        const int stokno = StoknoOfRow(0);

        QString kartBasligi;
        KartiAc([&](QWidget* kart) {
            kartBasligi = kart->windowTitle();
            kart->findChild<QSpinBox*>(QStringLiteral("adet"))->setValue(4);
            test::AnaPencereOrtami::ResimKaydet(kart, QStringLiteral("stok_karti.png"));
            Dugme(kart, "siparisekle");
        });
        QCOMPARE(kartBasligi, QStringLiteral("Sepete Ekle"));
        auto sepet = SunucudakiSepet();
        QCOMPARE(sepet.size(), 1u);
        QCOMPARE(sepet[0].stokno, stokno);
        QCOMPARE(sepet[0].miktar, 4);
        QCOMPARE(ortam.Form().sepet.RecordCount(), 1); // reloaded after the add

        int gorulenAdet = 0;
        KartiAc([&](QWidget* kart) {
            auto* adet = kart->findChild<QSpinBox*>(QStringLiteral("adet"));
            gorulenAdet = adet->value();
            adet->setValue(6);
            Dugme(kart, "siparisekle");
        });
        QCOMPARE(gorulenAdet, 4);
        const auto sonra = SunucudakiSepet();
        QCOMPARE(sonra.size(), 1u);
        QCOMPARE(sonra[0].sirano, sepet[0].sirano);
        QCOMPARE(sonra[0].miktar, 6);
        QVERIFY(mesajlar.Metinler().isEmpty());
    }

    void kartTutari_data() {
        QTest::addColumn<double>("kdvDahil");
        QTest::addColumn<int>("adet");
        QTest::addColumn<QString>("tutar");
        QTest::newRow("yarım kuruş yukarı") << 10.0625 << 2 << "20,13";
        QTest::newRow("tek adet") << 10.0625 << 1 << "10,06";
        QTest::newRow("binlik") << 1234.5 << 3 << "3.703,50";
    }
    void kartTutari() {
        QFETCH(double, kdvDahil);
        QFETCH(int, adet);
        QFETCH(QString, tutar);
        katalog::KartBilgisi b;
        b.stokno = 10;
        b.kdvDahil = b.kdvliFiyat = kdvDahil;
        katalog::Tstokayarinti kart(ortam.Form().bagc);
        kart.Doldur(b);
        kart.findChild<QSpinBox*>(QStringLiteral("adet"))->setValue(adet);
        QCOMPARE(kart.findChild<QLineEdit*>(QStringLiteral("geneltutar"))->text(), tutar);
    }

    void gecersizAdetGonderilmez_data() {
        QTest::addColumn<QString>("adet");
        QTest::newRow("boş") << QString();
        QTest::newRow("harf") << QStringLiteral("x");
    }
    void gecersizAdetGonderilmez() {
        QFETCH(QString, adet);
        QVERIFY(ortam.Ara(QStringLiteral("FREN")));
        test::BetikliMesajlar mesajlar;
        mesajlar.Yanitla(QStringLiteral("Lütfen geçerli bir adet giriniz !"), app::mbTamam);
        bool acikKaldi = false;
        KartiAc([&](QWidget* kart) {
            auto* kutu = kart->findChild<QSpinBox*>(QStringLiteral("adet"))->findChild<QLineEdit*>();
            kutu->selectAll();
            kutu->del();
            QTest::keyClicks(kutu, adet);
            Dugme(kart, "siparisekle");
            acikKaldi = kart->isVisible();
            Dugme(kart, "vazgec");
        });
        QVERIFY(acikKaldi);
        QCOMPARE(mesajlar.Metinler(), QStringList{QStringLiteral("Lütfen geçerli bir adet giriniz !")});
        QVERIFY(SunucudakiSepet().empty());
    }

    void siparisGonderilir() {
        auto& i = ortam.Istemci();
        const int carino = ortam.Form().sbilgi.CARINO;
        QCOMPARE(i.SepetEkle2(ortam.Oturum(), carino, 10, "", "", 2, 20, 0, 0, 0, 0, 0, 0, 0), 1);
        QCOMPARE(i.SepetEkle2(ortam.Oturum(), carino, 11, "", "", 1, 20, 0, 0, 0, 0, 0, 0, 0), 1);
        const auto ilk = SunucudakiSepet();
        i.SepetSecimGuncelle(ilk[1].sirano, 0);
        QVERIFY(ortam.SepetiGoster());
        const QString genel =
            ortam.Form().SepetSekmesi()->findChild<QLabel*>(QStringLiteral("geneltoplaml"))->text();

        test::BetikliMesajlar mesajlar;
        for (const char* m :
             {"Lütfen Kargo Türünü Seçiniz !", "Lütfen Kargo  Seçiniz !", "Siparişiniz Gönderildi !"})
            mesajlar.Yanitla(QString::fromUtf8(m), app::mbTamam);
        QString ozet;
        QString ikinciTeslim;
        int firmaSayisi = 0;
        test::ModaldeYap([&](QWidget* onay) {
            ozet = onay->findChild<QLabel*>(QStringLiteral("Label2"))->text();
            auto* teslim = onay->findChild<QGroupBox*>(QStringLiteral("teslimdurumu"));
            const auto teslimler = teslim->findChildren<QRadioButton*>();
            for (auto* r : teslimler)
                if (r->isChecked())
                    ikinciTeslim = r->text();
            Dugme(onay, "evet"); // no cargo type yet
            onay->findChild<QGroupBox*>(QStringLiteral("kargoturleri"))
                ->findChildren<QRadioButton*>()
                .at(0)
                ->click();
            auto* firma = onay->findChild<QComboBox*>(QStringLiteral("kargocombo"));
            firmaSayisi = firma->count();
            Dugme(onay, "evet"); // the blank firm
            firma->setCurrentIndex(2);
            test::AnaPencereOrtami::ResimKaydet(onay, QStringLiteral("siparis_onay.png"));
            Dugme(onay, "evet");
        });
        ortam.Form().SepetSekmesi()->findChild<QPushButton*>(QStringLiteral("gonder"))->click();

        QCOMPARE(ozet, QStringLiteral("Kullanıcı: ") + QString::fromStdString(ortam.Form().sbilgi.ADI) +
                           QStringLiteral("\nCari     : ") +
                           QString::fromStdString(ortam.Form().sbilgi.CariAdi) +
                           QStringLiteral("\nTutar    : ") + genel);
        QCOMPARE(ikinciTeslim, QStringLiteral("Depodan Teslim"));
        QCOMPARE(firmaSayisi, 4); // the blank entry and three firms
        QCOMPARE(mesajlar.Metinler(), (QStringList{"Lütfen Kargo Türünü Seçiniz !", "Lütfen Kargo  Seçiniz !",
                                                   "Siparişiniz Gönderildi !"}));
        const auto kalan = SunucudakiSepet();
        QCOMPARE(kalan.size(), 1u);
        QCOMPARE(kalan[0].sirano, ilk[1].sirano);
        QCOMPARE(ortam.Form().sepet.RecordCount(), 1);
    }
};

RVZ_TEST_ANA(SiparisYoluTesti)
#include "siparis_yolu_testi.moc"
