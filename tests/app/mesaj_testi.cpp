// MesajVer's real dialog and the scripted responder tests use in its place.
#include "betikli_mesajlar.h"
#include "mesaj.h"
#include "modal.h"
#include "test_ana.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

using namespace rvz::app;
using rvz::test::BetikliMesajlar;

namespace {

// What the test saw of the dialog while it was open.
struct Gorulen {
    QString baslik;
    QStringList etiketler;
    QString odakli;
    int yaziBoyu = 0;
    QPoint merkez;
};

} // namespace

class MesajTesti : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { rvz::test::ModallariKapat(); }

    void gercekPencere_data() {
        QTest::addColumn<int>("tur");
        QTest::addColumn<int>("tuslar");
        QTest::addColumn<int>("ilkTus");
        QTest::addColumn<QString>("basilan"); // empty: Escape
        QTest::addColumn<QString>("baslik");
        QTest::addColumn<QStringList>("etiketler");
        QTest::addColumn<QString>("odakli");
        QTest::addColumn<int>("sonuc");
        const QStringList evetHayir{"Evet", "Hayır"};
        QTest::newRow("soru, ilk Hayır, Hayır") << int(mtSoru) << kEvetHayirTuslari << int(mbHayir) << "Hayır"
                                                << "Soru" << evetHayir << "Hayır" << 7;
        QTest::newRow("soru, ilk Evet, Evet") << int(mtSoru) << kEvetHayirTuslari << int(mbEvet) << "Evet"
                                              << "Soru" << evetHayir << "Evet" << 6;
        QTest::newRow("soru, Escape Hayır sayılır") << int(mtSoru) << kEvetHayirTuslari << int(mbEvet) << ""
                                                    << "Soru" << evetHayir << "Evet" << 7;
        QTest::newRow("hata, Tamam") << int(mtHata) << kTamamTusu << int(mbTamam) << "Tamam"
                                     << "Hata" << QStringList{"Tamam"} << "Tamam" << 1;
        QTest::newRow("uyarı, Escape Tamam sayılır") << int(mtUyari) << kTamamTusu << int(mbTamam) << ""
                                                     << "Uyarı" << QStringList{"Tamam"} << "Tamam" << 1;
        QTest::newRow("bilgi, Vazgeç")
            << int(mtBilgi) << (kTamamTusu | TusBiti(mbVazgec)) << int(mbTamam) << "Vazgeç"
            << "Bilgi" << QStringList{"Tamam", "Vazgeç"} << "Tamam" << 2;
        QTest::newRow("düz, uygulama başlığı")
            << int(mtDuz) << (TusBiti(mbIptal) | TusBiti(mbTekrar) | TusBiti(mbAtla)) << int(mbTekrar)
            << "Atla"
            << "Parlavik Otomotiv B2B" << QStringList{"Atla", "Tekrar", "İptal"} << "Tekrar" << 5;
        QTest::newRow("tümüne evet, yardım")
            << int(mtSoru) << (TusBiti(mbTumuneEvet) | TusBiti(mbTumuneHayir) | TusBiti(mbYardim))
            << int(mbTumuneHayir) << "Tümüne Evet"
            << "Soru" << QStringList{"Tümüne Evet", "Tümüne Hayır", "Yardım"} << "Tümüne Hayır" << 14;
    }
    void gercekPencere() {
        QFETCH(int, tur);
        QFETCH(int, tuslar);
        QFETCH(int, ilkTus);
        QFETCH(QString, basilan);
        QFETCH(int, sonuc);
        QGuiApplication::setApplicationDisplayName("Parlavik Otomotiv B2B");
        QWidget ana;
        ana.setGeometry(100, 80, 900, 700);
        ana.show();
        AnaPencereAta(&ana);

        Gorulen gorulen;
        rvz::test::ModaldeYap([&](QWidget* pencere) {
            auto* kutu = qobject_cast<QMessageBox*>(pencere);
            if (!kutu) {
                pencere->close();
                return;
            }
            gorulen.baslik = kutu->windowTitle();
            for (auto* dugme : kutu->buttons())
                gorulen.etiketler << dugme->text();
            if (auto* odak = qobject_cast<QAbstractButton*>(kutu->focusWidget()))
                gorulen.odakli = odak->text();
            gorulen.yaziBoyu = kutu->findChild<QLabel*>("qt_msgbox_label")->font().pointSize();
            gorulen.merkez = kutu->frameGeometry().center();
            if (basilan.isEmpty()) {
                QTest::keyClick(kutu, Qt::Key_Escape);
                return;
            }
            for (auto* dugme : kutu->buttons())
                if (dugme->text() == basilan)
                    dugme->click();
        });
        const int alinan = MesajVer("Programdan Çıkmak İstiyor musunuz ?", tur, tuslar, ilkTus);
        AnaPencereAta(nullptr);

        QTEST(gorulen.baslik, "baslik");
        gorulen.etiketler.sort();
        QTEST(gorulen.etiketler, "etiketler");
        QTEST(gorulen.odakli, "odakli");
        QCOMPARE(gorulen.yaziBoyu, 15);
        QVERIFY2((gorulen.merkez - ana.frameGeometry().center()).manhattanLength() <= 2,
                 "ana pencereye ortalı değil");
        QCOMPARE(alinan, sonuc);
    }

    void betikSiraylaKaydeder() {
        BetikliMesajlar mesajlar;
        mesajlar.Yanitla("Programdan Çıkmak İstiyor musunuz ?", mbHayir)
            .Yanitla([](const MesajIstegi& m) { return m.metin.startsWith("Bağlantı"); }, mbTamam);
        QCOMPARE(MesajVer("Programdan Çıkmak İstiyor musunuz ?", mtSoru, kEvetHayirTuslari, mbEvet), 7);
        QCOMPARE(MesajVer("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!", mtHata, kTamamTusu, mbTamam), 1);
        QCOMPARE(mesajlar.Metinler(), (QStringList{"Programdan Çıkmak İstiyor musunuz ?",
                                                   "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"}));
        QCOMPARE(mesajlar.Mesajlar().front().tur, int(mtSoru));
    }

    void betikBeklenmeyeniReddeder_data() {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<int>("tuslar");
        QTest::newRow("beklenmeyen metin") << "Siparişiniz Gönderildi !" << kTamamTusu;
        QTest::newRow("pencerede olmayan tuş") << "Programdan Çıkmak İstiyor musunuz ?" << kTamamTusu;
    }
    void betikBeklenmeyeniReddeder() {
        QFETCH(QString, metin);
        QFETCH(int, tuslar);
        BetikliMesajlar mesajlar;
        mesajlar.Yanitla("Programdan Çıkmak İstiyor musunuz ?", mbEvet);
        QEXPECT_FAIL("", "the responder fails the test on purpose", Continue);
        QCOMPARE(MesajVer(metin, mtBilgi, tuslar, mbTamam), int(mrYok));
        QCOMPARE(mesajlar.Metinler(), QStringList{metin});
    }
};

RVZ_TEST_ANA(MesajTesti)
#include "mesaj_testi.moc"
