// The login dialog end to end: against the real server with its demo data for the usual way
// in, and against a server whose login lookup answers what a case needs for the other exits.
#include "ayar_dosyasi.h"
#include "baglanti_ac.h"
#include "betikli_mesajlar.h"
#include "dosyaindiru.h"
#include "formistekyeniu.h"
#include "girisformu.h"
#include "gunluk.h"
#include "kapali_port.h"
#include "makine_kimligi.h"
#include "modal.h"
#include "sunucu.h"
#include "sunucu_sureci.h"
#include "surec.h"
#include "test_ana.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTcpServer>

#include <optional>

using namespace rvz;
using namespace rvz::app;
using rvz::test::BetikliMesajlar;

namespace {

const QString kHatali = QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !");
const QString kKurulamadi = QStringLiteral("Bağlantı Kurulamadı !");

// A server whose login lookup answers a record the test sets (or nothing at all).
class SahteGirisSunucusu {
public:
    SahteGirisSunucusu() {
        sunucu::GunlukSessiz(true);
        dagitici_.Kaydet("BuyukGetir", [this](const sunucu::CagriBaglami&, sunucu::Konumlar& k) {
            if (kayit)
                k.Sonuc(Deger::Kayit(KayitJsonMetni(*kayit)));
        });
        sunucu::SunucuAyarlari a;
        a.dinle = "127.0.0.1";
        a.port = 0;
        a.isParcacigi = 2;
        sunucu_ = std::make_unique<sunucu::Sunucu>(a, dagitici_);
        sunucu_->Baslat();
    }
    BaglantiParametreleri Parametreler() const {
        BaglantiParametreleri p;
        p.host = "127.0.0.1";
        p.port = sunucu_->Port();
        p.makineId = BilgisayarIdAl().toStdString();
        return p;
    }
    std::optional<TSonucBilgisi> kayit;

private:
    sunucu::Dagitici dagitici_;
    std::unique_ptr<sunucu::Sunucu> sunucu_;
};

TSonucBilgisi Kayit(const char* adi, const char* sifre, int aktif = 1, int tip = 0, int surum = 13) {
    TSonucBilgisi k;
    k.ADI = adi;
    k.SIFRE = sifre;
    k.AKTIF = aktif;
    k.MusteriTipi = tip;
    k.Version = surum;
    k.Varmi = true;
    k.CariAdi = "GÜVEN OTO";
    return k;
}

} // namespace

class GirisTesti : public QObject {
    Q_OBJECT

    // Every way out of the program is recorded here instead of ending the test.
    QList<int> bitisler_;
    // A login dialog on `parametreler` with the boxes filled in.
    struct Pencere {
        TBaglanti bagim;
        TSonucBilgisi bilgi;
        std::unique_ptr<Tgirisform> form;
        explicit Pencere(const BaglantiParametreleri& p) : bagim(p) {
            form = std::make_unique<Tgirisform>(bagim, bilgi);
            form->show();
        }
        QLineEdit* Adi() const { return form->findChild<QLineEdit*>("adi"); }
        QLineEdit* Sifre() const { return form->findChild<QLineEdit*>("sifre"); }
        QCheckBox* Hatirla() const { return form->findChild<QCheckBox*>("benihatirla"); }
        QPushButton* Giris() const { return form->findChild<QPushButton*>("giris"); }
        void Yaz(const QString& adi, const QString& sifre) {
            Adi()->setText(adi);
            Sifre()->setText(sifre);
        }
    };

    static void AyariSil() { QFile::remove(AyarDosyasi::VarsayilanYol()); }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        qputenv("RUVIZEZEVUV_HOST", "127.0.0.1"); // the login writes the server host again
        SurecBitiriciAta([this](int kod) { bitisler_.append(kod); });
        BaglantiAcmaParcalariAta({[](std::chrono::milliseconds) {}, {}});
    }
    void init() {
        bitisler_.clear();
        AyariSil();
    }
    void cleanup() { rvz::test::ModallariKapat(); }

    // The usual way in against the real server, and the remembered credentials.
    void demoBayisiGirerVeHatirlanir() {
        test::SunucuSureci sunucu;
        QVERIFY2(sunucu.Baslat(0, {"--demo", "--demo-items", "200"}), qPrintable(sunucu.Hata()));
        QVERIFY2(sunucu.Yonet({"register-machine", "--machine-id", BilgisayarIdAl(), "--user", "BAYI"}),
                 qPrintable(sunucu.Hata()));
        auto p = sunucu.Parametreler();
        p.makineId = BilgisayarIdAl().toStdString();
        BetikliMesajlar mesajlar;
        {
            Pencere g(p);
            QVERIFY(g.Adi()->text().isEmpty());
            QVERIFY(g.Hatirla()->isChecked());
            g.Yaz("BAYI", "1000");
            g.form->Giris();
            QTRY_COMPARE(g.form->result(), int(QDialog::Accepted));
            QCOMPARE(g.bilgi.ADI, std::string("BAYI"));
            QVERIFY(g.bilgi.Varmi);
            QCOMPARE(g.bilgi.Version, 13);
            QCOMPARE(g.bilgi.Disip, std::string("127.0.0.1"));
            QCOMPARE(g.bilgi.BILGISAYARID, BilgisayarIdAl().toStdString());
            QCOMPARE(g.Giris()->text(), QStringLiteral("Giriş!"));
        }
        QVERIFY(mesajlar.Metinler().isEmpty());
        {
            Pencere g(p); // the next start shows what was remembered
            QCOMPARE(g.Adi()->text(), QStringLiteral("BAYI"));
            QCOMPARE(g.Sifre()->text(), QStringLiteral("1000"));
            g.Hatirla()->setChecked(false);
            g.form->Giris();
            QTRY_COMPARE(g.form->result(), int(QDialog::Accepted));
        }
        {
            Pencere g(p); // written all the same, but not filled in
            QVERIFY(g.Adi()->text().isEmpty());
            QVERIFY(g.Sifre()->text().isEmpty());
            QVERIFY(!g.Hatirla()->isChecked());
        }
        AyarDosyasi ayar(AyarDosyasi::VarsayilanYol());
        QVERIFY(ayar.Oku());
        QCOMPARE(ayar.Deger("kullanici", "isim", {}), QStringLiteral("BAYI"));
        QCOMPARE(ayar.Deger("kullanici", "hatırla", {}), QStringLiteral("0"));
        QCOMPARE(QFile::permissions(ayar.Yol()) & (QFile::ReadGroup | QFile::ReadOther),
                 QFile::Permissions());
    }

    void kimlikDenetimi_data() {
        QTest::addColumn<QString>("kayitAdi");
        QTest::addColumn<int>("aktif");
        QTest::addColumn<QString>("yazilanSifre");
        QTest::addColumn<bool>("kaydedilir");
        QTest::newRow("yanlış şifre") << "BAYI" << 1 << "1001" << false;
        QTest::newRow("etkin değil") << "BAYI" << 0 << "1000" << true;
        QTest::newRow("küçük harfli kayıt") << "bayi" << 1 << "1000" << false;
    }
    // A refused login keeps the dialog open with the warning and "Giriş!".
    void kimlikDenetimi() {
        QFETCH(QString, kayitAdi);
        QFETCH(int, aktif);
        QFETCH(QString, yazilanSifre);
        QFETCH(bool, kaydedilir);
        SahteGirisSunucusu sunucu;
        sunucu.kayit = Kayit(kayitAdi.toUtf8().constData(), "1000", aktif);
        BetikliMesajlar mesajlar;
        mesajlar.Yanitla(kHatali, mbTamam);
        Pencere g(sunucu.Parametreler());
        g.Adi()->setText("bayi"); // typed in lower case, the box has it in capitals
        QTest::keyClicks(g.Adi(), "x");
        QTest::keyClick(g.Adi(), Qt::Key_Backspace);
        g.Yaz(kayitAdi == "bayi" ? "BAYI" : kayitAdi, yazilanSifre);
        g.form->Giris();
        QTRY_COMPARE(mesajlar.Metinler(), QStringList{kHatali});
        QVERIFY(g.Giris()->isEnabled());
        QCOMPARE(g.Giris()->text(), QStringLiteral("Giriş!"));
        QCOMPARE(g.form->result(), int(QDialog::Rejected));
        QCOMPARE(QFile::exists(AyarDosyasi::VarsayilanYol()), kaydedilir);
        QVERIFY(bitisler_.isEmpty());
    }

    void buyukHarfeCevrilir() {
        SahteGirisSunucusu sunucu;
        Pencere g(sunucu.Parametreler());
        QTest::keyClicks(g.Adi(), "bayi");
        QTest::keyClicks(g.Sifre(), "abc1");
        QCOMPARE(g.Adi()->text(), QStringLiteral("BAYI"));
        QCOMPARE(g.Sifre()->text(), QStringLiteral("ABC1"));
        QCOMPARE(g.Sifre()->echoMode(), QLineEdit::Password);
    }

    void bosKutudaEnter_data() {
        QTest::addColumn<QString>("kutu");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("ad") << "adi"
                            << "Lütfen kullanıcı adını giriniz !";
        QTest::newRow("şifre") << "sifre"
                               << "Lütfen kullanıcı şifresini giriniz !";
    }
    void bosKutudaEnter() {
        QFETCH(QString, kutu);
        QFETCH(QString, mesaj);
        SahteGirisSunucusu sunucu;
        BetikliMesajlar mesajlar;
        mesajlar.Yanitla(mesaj, mbTamam);
        Pencere g(sunucu.Parametreler());
        auto* k = g.form->findChild<QLineEdit*>(kutu);
        k->setText("   ");
        QTest::keyClick(k, Qt::Key_Return);
        QCOMPARE(mesajlar.Metinler(), QStringList{mesaj});
        QVERIFY(!g.form->GirisSuruyor());
    }

    // Enter in the password box logs in; a second Enter while it runs starts nothing.
    void ikinciGirisBaslamaz() {
        SahteGirisSunucusu sunucu;
        sunucu.kayit = Kayit("BAYI", "1000");
        Pencere g(sunucu.Parametreler());
        g.Yaz("BAYI", "1000");
        QTest::keyClick(g.Adi(), Qt::Key_Return);
        QTest::keyClick(g.Sifre(), Qt::Key_Return);
        QVERIFY(g.form->GirisSuruyor());
        QCOMPARE(g.Giris()->text(), QStringLiteral("Bağlanıyor..."));
        QVERIFY(!g.Giris()->isEnabled());
        QTest::keyClick(g.Sifre(), Qt::Key_Return);
        QTRY_COMPARE(g.form->result(), int(QDialog::Accepted));
    }

    void kayitYokYaDaSunucuYok_data() {
        QTest::addColumn<bool>("sunucuVar");
        QTest::newRow("kayıt gelmedi") << true;
        QTest::newRow("sunucu kapalı") << false;
    }
    void kayitYokYaDaSunucuYok() {
        QFETCH(bool, sunucuVar);
        SahteGirisSunucusu sunucu; // answers no record
        test::KapaliPort kapali;
        auto p = sunucu.Parametreler();
        if (!sunucuVar)
            p.port = kapali.Port();
        BetikliMesajlar mesajlar;
        mesajlar.Yanitla([](const MesajIstegi& i) { return i.tur == mtDuz; }, mbTamam);
        mesajlar.Yanitla(kKurulamadi, mbTamam);
        Pencere g(p);
        g.Yaz("BAYI", "1000");
        g.form->Giris();
        QTRY_VERIFY(mesajlar.Metinler().contains(kKurulamadi));
        // Unreachable: one plain box per attempt, no final connection message, then ours.
        QCOMPARE(mesajlar.Metinler().size(), sunucuVar ? 1 : 12);
        QCOMPARE(mesajlar.Metinler().last(), kKurulamadi);
        QCOMPARE(g.Giris()->text(), QStringLiteral("Giriş!"));
        QTRY_VERIFY(g.Giris()->isEnabled());
    }

    // An unknown machine: the request form on this machine's address, then the program ends.
    void kayitsizMakine() {
        SahteGirisSunucusu sunucu;
        TSonucBilgisi yok;
        yok.Version = 13;
        sunucu.kayit = yok;
        QList<QUrl> acilan;
        auto onceki = notices::Tformistekyeni::TarayiciAciciAta([&](const QUrl& u) {
            acilan.append(u);
            return true;
        });
        QString baslik;
        rvz::test::ModaldeYap([&](QWidget* w) {
            baslik = w->windowTitle();
            w->close();
        });
        Pencere g(sunucu.Parametreler());
        g.Yaz("BAYI", "1000");
        g.form->Giris();
        QTRY_COMPARE(bitisler_, QList<int>{0});
        notices::Tformistekyeni::TarayiciAciciAta(onceki);
        QCOMPARE(baslik, QStringLiteral("Parlavik Otomotiv B2B İstek Formu"));
        QCOMPARE(acilan.size(), 1);
        QVERIFY(acilan[0]
                    .toString(QUrl::PrettyDecoded)
                    .endsWith("/formmailgonder.aspx?carino=0&kullanici= &id=" + BilgisayarIdAl()));
        QVERIFY(!QFile::exists(AyarDosyasi::VarsayilanYol()));
    }

    void surumFarkliysaIndirmeOnce_data() {
        QTest::addColumn<int>("surum");
        QTest::newRow("12") << 12;
        QTest::newRow("14") << 14;
    }
    // The setup download opens before any credential check, even with a wrong password; when
    // it is closed without ending the program, the checks go on.
    void surumFarkliysaIndirmeOnce() {
        QFETCH(int, surum);
        SahteGirisSunucusu sunucu;
        sunucu.kayit = Kayit("BAYI", "1000", 1, 0, surum);
        QTcpServer sessiz; // accepts the download and never answers, so the window stays open
        QVERIFY(sessiz.listen(QHostAddress::LocalHost));
        qputenv("RUVIZEZEVUV_KURULUM_HOST", "127.0.0.1:" + QByteArray::number(sessiz.serverPort()));
        BetikliMesajlar mesajlar;
        mesajlar.Yanitla(kHatali, mbTamam);
        QString indirmeMesaji;
        rvz::test::ModaldeYap([&](QWidget* w) {
            if (auto* l = w->findChild<QLabel*>("mesaj"))
                indirmeMesaji = l->text();
            w->close();
        });
        Pencere g(sunucu.Parametreler());
        g.Yaz("BAYI", "yanlis");
        g.form->Giris();
        QTRY_COMPARE(mesajlar.Metinler(), QStringList{kHatali});
        qunsetenv("RUVIZEZEVUV_KURULUM_HOST");
        QVERIFY2(indirmeMesaji.endsWith("Version: " + QString::number(surum) + "-13"),
                 qPrintable(indirmeMesaji));
        QVERIFY(bitisler_.isEmpty());
    }
};

RVZ_TEST_ANA(GirisTesti)
#include "giris_testi.moc"
