// Background calls, the hand-over, the free-standing thread, the wait indicator and the tab load.
#include "arayuz_devri.h"
#include "baglanti_ac.h"
#include "bekleme_gostergesi.h"
#include "beklesinu.h"
#include "betikli_mesajlar.h"
#include "hata_raporu.h"
#include "kapali_port.h"
#include "proxim.h"
#include "sekme_yukleyici.h"
#include "serbest_is_parcacigi.h"
#include "sunucu_sureci.h"
#include "test_ana.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QTimer>

#include <atomic>
#include <memory>

using namespace rvz::app;
using rvz::test::BetikliMesajlar;
using rvz::test::KapaliPort;
using rvz::test::SunucuSureci;

namespace {

QThread* ArayuzParcacigi() {
    return qApp->thread();
}

// A tab as the loader sees it: a grid, its wait indicator, its rows and its caption.
struct SahteSekme {
    QWidget izgara;
    BeklemeGostergesi gosterge;
    QStringList satirlar;
    QString baslik;
    bool bagli = true;

    // `doldur` runs on the worker with the open connection and fills the rows.
    SekmeYuklemesi Yukleme(const QString& ad, std::function<bool(TBaglanti&, QStringList&)> doldur,
                           int uyar = 0) {
        SekmeYuklemesi y;
        y.ayir = [this] {
            izgara.setEnabled(false);
            bagli = false;
        };
        y.yukle = [this, doldur](TBaglanti& b) { return doldur(b, satirlar); };
        y.bagla = [this] {
            bagli = true;
            izgara.setEnabled(true);
        };
        y.baslik = ad;
        y.satirSayisi = [this] { return static_cast<int>(satirlar.size()); };
        y.basligiYaz = [this](const QString& b) { baslik = b; };
        y.uyar = uyar;
        return y;
    }
};

QString Yanki(TBaglanti& b, const QString& metin) {
    rvz::TServerMethods1Client istemci(b.DBXConnection());
    return QString::fromStdString(istemci.EchoString(metin.toStdString()));
}

} // namespace

class ArkaPlanTesti : public QObject {
    Q_OBJECT

    SunucuSureci sunucu_;
    std::unique_ptr<TBaglanti> bagc_;

private slots:
    void initTestCase() {
        QVERIFY2(sunucu_.Baslat(), qPrintable(sunucu_.Hata()));
        bagc_ = std::make_unique<TBaglanti>(sunucu_.Parametreler());
        BaglantiAcmaParcalariAta({[](std::chrono::milliseconds) {}, {}});
    }
    void cleanupTestCase() { BaglantiAcmaParcalariAta({}); }
    void cleanup() { HataRaporuAta({}); }

    void tamamlamaArayuzde() {
        QThread* isParcacigi = nullptr;
        QThread* tamamlamaParcacigi = nullptr;
        bool isBittiMi = false;
        ArkaPlanCagrisi([&] { isParcacigi = QThread::currentThread(); })->Await([&] {
            tamamlamaParcacigi = QThread::currentThread();
            isBittiMi = isParcacigi != nullptr;
        });
        QTRY_VERIFY(tamamlamaParcacigi != nullptr);
        QVERIFY(isParcacigi != ArayuzParcacigi());
        QCOMPARE(tamamlamaParcacigi, ArayuzParcacigi());
        QVERIFY(isBittiMi);
    }

    void isHatasiTamamlamadanSonraGosterilir() {
        QStringList olaylar;
        BetikliMesajlar mesajlar;
        mesajlar.Yanitla("Uzak yöntem hatası", mbTamam);
        mesajlar.GorununceAta([&](const MesajIstegi& m) { olaylar << "mesaj:" + m.metin; });
        ArkaPlanCagrisi([] { throw rvz::UzakHata("Uzak yöntem hatası"); })->Await([&] {
            olaylar << "tamamlama";
        });
        QTRY_COMPARE(olaylar.size(), 2);
        QCOMPARE(olaylar, (QStringList{"tamamlama", "mesaj:Uzak yöntem hatası"}));
        QCOMPARE(mesajlar.Mesajlar().front().tur, int(mtHata));
    }

    void aktarma_data() {
        QTest::addColumn<bool>("hataVer");
        QTest::newRow("çalışır") << false;
        QTest::newRow("hata işçiye döner") << true;
    }
    void aktarma() {
        QFETCH(bool, hataVer);
        QThread* calistigi = nullptr;
        QString isciyeDonen;
        bool bitti = false;
        ArkaPlanCagrisi([&] {
            try {
                ArayuzdeCalistir([&] {
                    calistigi = QThread::currentThread();
                    if (hataVer)
                        throw std::runtime_error("arayüzde hata");
                });
            } catch (const std::exception& e) {
                isciyeDonen = e.what();
            }
        })->Await([&] { bitti = true; });
        QTRY_VERIFY(bitti);
        QCOMPARE(calistigi, ArayuzParcacigi());
        QCOMPARE(isciyeDonen, hataVer ? QStringLiteral("arayüzde hata") : QString());
    }

    void isciMesajiArayuzdeCevaplanir() {
        BetikliMesajlar mesajlar;
        mesajlar.Yanitla("Devam edilsin mi?", mbEvet);
        QThread* gosterildigi = nullptr;
        mesajlar.GorununceAta([&](const MesajIstegi&) { gosterildigi = QThread::currentThread(); });
        std::atomic<int> sonuc = 0;
        ArkaPlanCagrisi([&] {
            sonuc = MesajVer("Devam edilsin mi?", mtSoru, kEvetHayirTuslari, mbHayir);
        })->Await({});
        QTRY_COMPARE(sonuc.load(), 6);
        QCOMPARE(gosterildigi, ArayuzParcacigi());
    }

    void serbestIsParcacigi() {
        std::atomic<QThread*> calistigi = nullptr;
        QThread* aktarilan = nullptr;
        QString rapor;
        HataRaporuAta([&](std::exception_ptr h) { rapor = HataMetni(h); });
        SerbestIsParcacigiBaslat([&] {
            calistigi = QThread::currentThread();
            ArayuzdeCalistir([&] { aktarilan = QThread::currentThread(); });
            throw std::runtime_error("uyarı okunamadı");
        });
        QTRY_COMPARE(rapor, QStringLiteral("uyarı okunamadı"));
        QVERIFY(calistigi.load() != ArayuzParcacigi());
        QCOMPARE(aktarilan, ArayuzParcacigi());
    }

    void olayHatasiVarsayilanRaporaGider() {
        QString rapor;
        HataRaporuAta([&](std::exception_ptr h) { rapor = HataMetni(h); });
        QTimer::singleShot(0, qApp, [] { throw std::runtime_error("olayda hata"); });
        QTRY_COMPARE(rapor, QStringLiteral("olayda hata"));
    }

    void beklemeGostergesi() {
        QWidget ust;
        BeklemeGostergesi gosterge(&ust);
        ust.show();
        QCOMPARE(gosterge.size(), QSize(28, 27));
        QVERIFY(gosterge.isHidden());
        gosterge.show();
        const int ilk = gosterge.Adim();
        QTRY_VERIFY(gosterge.Adim() != ilk);
        // Something is drawn: the spokes cover a good part of the picture.
        const auto resim = gosterge.grab().toImage();
        int boyali = 0;
        for (int y = 0; y < resim.height(); ++y)
            for (int x = 0; x < resim.width(); ++x)
                boyali += qAlpha(resim.pixel(x, y)) > 0 &&
                          resim.pixel(x, y) != ust.palette().window().color().rgba();
        QVERIFY2(boyali > 40, qPrintable(QString::number(boyali)));
    }

    void ikiSekmeAyriAyriDolar() {
        SahteSekme onceki, ekstre;
        QSemaphore oncekiGeldi, ekstreGeldi;
        std::atomic<bool> birlikte = true;
        // Each load waits for the other to have started, so both run at the same time.
        auto bulus = [&](QSemaphore& ben, QSemaphore& diger) {
            ben.release();
            if (!diger.tryAcquire(1, 10000))
                birlikte = false;
        };
        SekmeYukleyici y1(*bagc_, &onceki.gosterge,
                          onceki.Yukleme("Önceki Siparişler", [&](TBaglanti& b, QStringList& satirlar) {
                              bulus(oncekiGeldi, ekstreGeldi);
                              satirlar = {Yanki(b, "S1"), Yanki(b, "S2"), Yanki(b, "S3")};
                              return false;
                          }));
        SekmeYukleyici y2(*bagc_, &ekstre.gosterge,
                          ekstre.Yukleme("Cari Ekstre", [&](TBaglanti& b, QStringList& satirlar) {
                              bulus(ekstreGeldi, oncekiGeldi);
                              satirlar = {Yanki(b, "F1"), Yanki(b, "T1")};
                              return false;
                          }));
        QSignalSpy bitti1(&y1, &SekmeYukleyici::Yuklendi), bitti2(&y2, &SekmeYukleyici::Yuklendi);
        BetikliMesajlar mesajlar;
        y1.Yukle();
        y2.Yukle();
        QVERIFY(!onceki.gosterge.isHidden() && !ekstre.gosterge.isHidden());
        QVERIFY(!onceki.izgara.isEnabled() && !ekstre.izgara.isEnabled());
        QVERIFY(!onceki.bagli && !ekstre.bagli);

        QTRY_VERIFY(bitti1.size() == 1 && bitti2.size() == 1);
        QVERIFY(birlikte);
        QCOMPARE(onceki.satirlar, (QStringList{"S1", "S2", "S3"}));
        QCOMPARE(ekstre.satirlar, (QStringList{"F1", "T1"}));
        QCOMPARE(onceki.baslik, QStringLiteral("3=Önceki Siparişler"));
        QCOMPARE(ekstre.baslik, QStringLiteral("2=Cari Ekstre"));
        for (auto* s : {&onceki, &ekstre}) {
            QVERIFY(s->gosterge.isHidden());
            QVERIFY(s->izgara.isEnabled());
            QVERIFY(s->bagli);
        }
        QVERIFY(mesajlar.Mesajlar().empty());
    }

    void hataYollari_data() {
        QTest::addColumn<bool>("sunucuKapali");
        QTest::addColumn<int>("uyar");
        QTest::addColumn<QString>("yukleyici"); // "yakalar": reports failure, "firlatir": lets an error pass
        QTest::addColumn<int>("denemeMesaji");
        QTest::addColumn<QString>("sonMesaj");
        QTest::addColumn<bool>("sonMesajdaGizli"); // indicator hidden, grid enabled at the last message
        QTest::newRow("bağlantı yok") << true << 0 << "yakalar" << 11 << kBaglantiKurulamiyor << true;
        QTest::newRow("sepet: bağlantı yok, BaglantiAc uyarır")
            << true << 1 << "yakalar" << 11 << kBaglantiKurulamiyor << false;
        QTest::newRow("uzak hata yakalanır") << false << 0 << "yakalar" << 0 << kBaglantiKurulamiyor << true;
        QTest::newRow("uzak hata geçer") << false << 0 << "firlatir" << 0 << "Uzak yöntem hatası" << true;
    }
    void hataYollari() {
        QFETCH(bool, sunucuKapali);
        QFETCH(int, uyar);
        QFETCH(QString, yukleyici);
        QFETCH(int, denemeMesaji);
        QFETCH(QString, sonMesaj);
        QFETCH(bool, sonMesajdaGizli);
        KapaliPort kapali;
        auto p = sunucu_.Parametreler();
        if (sunucuKapali)
            p.port = kapali.Port();
        const TBaglanti bagc(p);
        SahteSekme sekme;
        sekme.satirlar = {"eski"};
        SekmeYukleyici y(bagc, &sekme.gosterge,
                         sekme.Yukleme(
                             "Yeni Stoklar",
                             [&](TBaglanti&, QStringList&) -> bool {
                                 if (yukleyici == "firlatir")
                                     throw rvz::UzakHata("Uzak yöntem hatası");
                                 return true;
                             },
                             uyar));
        BetikliMesajlar mesajlar;
        mesajlar.Yanitla([](const MesajIstegi& m) { return m.tur == mtDuz; }, mbTamam)
            .Yanitla(sonMesaj, mbTamam);
        bool gizliydi = false;
        mesajlar.GorununceAta([&](const MesajIstegi& m) {
            if (m.metin == sonMesaj)
                gizliydi = sekme.gosterge.isHidden() && sekme.izgara.isEnabled() && sekme.bagli;
        });

        y.Yukle();
        QTRY_COMPARE(mesajlar.Mesajlar().size(), std::size_t(denemeMesaji + 1));
        QTRY_VERIFY(!y.Yukleniyor());
        QCOMPARE(mesajlar.Metinler().last(), sonMesaj);
        QCOMPARE(mesajlar.Metinler().count(sonMesaj), 1);
        QCOMPARE(gizliydi, sonMesajdaGizli);
        QCOMPARE(sekme.satirlar, QStringList{"eski"});
        QVERIFY(sekme.gosterge.isHidden());
        QVERIFY(sekme.izgara.isEnabled());
    }

    void ikinciYuklemeBeklerVeBirKezYinelenir() {
        SahteSekme sekme;
        QSemaphore devam;
        std::atomic<int> calisan = 0, enCok = 0, kez = 0;
        SekmeYukleyici y(*bagc_, &sekme.gosterge,
                         sekme.Yukleme("Duyurular", [&](TBaglanti&, QStringList& satirlar) {
                             enCok = std::max(enCok.load(), ++calisan);
                             const bool geldi = devam.tryAcquire(1, 10000);
                             satirlar = {QString::number(++kez)};
                             --calisan;
                             return !geldi;
                         }));
        QSignalSpy bitti(&y, &SekmeYukleyici::Yuklendi);
        y.Yukle();
        y.Yukle();
        y.Yukle();
        QVERIFY(y.Yukleniyor());
        devam.release(2);
        QTRY_COMPARE(bitti.size(), 2);
        QTRY_VERIFY(!y.Yukleniyor());
        QCOMPARE(kez.load(), 2);
        QCOMPARE(enCok.load(), 1);
        QCOMPARE(sekme.satirlar, QStringList{"2"});
        QCOMPARE(sekme.baslik, QStringLiteral("1=Duyurular"));
    }
};

RVZ_TEST_ANA(ArkaPlanTesti)
#include "arka_plan_testi.moc"
