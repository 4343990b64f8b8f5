// Machine identity, hexadecimal picture texts, address encoding, and money rounding.
#include "test_ana.h"
#include "utils.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <filesystem>
#include <fstream>

using namespace rvz::app;
using Adres = std::array<std::uint8_t, 6>;
Q_DECLARE_METATYPE(std::vector<Adaptor>)

namespace {

void DosyaYaz(const std::filesystem::path& yol, const std::string& icerik) {
    std::filesystem::create_directories(yol.parent_path());
    std::ofstream(yol, std::ios::binary) << icerik;
}

} // namespace

class YardimciTesti : public QObject {
    Q_OBJECT
private slots:
    void bilgisayarId_data() {
        QTest::addColumn<QString>("disk");
        QTest::addColumn<QString>("mac");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("disk seri boşluklu") << " AB 12 "
                                            << "00-1A-2B-3C-4D-5E"
                                            << "AB12";
        QTest::newRow("disk yok, mac") << ""
                                       << " 00-1A-2B-3C-4D-5E "
                                       << "00-1A-2B-3C-4D-5E";
        QTest::newRow("disk yalnız boşluk") << "   "
                                            << "00-1A-2B-3C-4D-5E"
                                            << "00-1A-2B-3C-4D-5E";
        QTest::newRow("yalnız sıfır adres") << ""
                                            << "00-00-00-00-00-00"
                                            << "00-00-00-00-00-00";
        QTest::newRow("hiçbiri") << ""
                                 << ""
                                 << "";
        QTest::newRow("değiştirme tablosu 1") << "QM00001"
                                              << ""
                                              << "SANALMAKINE";
        QTest::newRow("değiştirme tablosu 2") << "QM 00002"
                                              << ""
                                              << "SANALMAKINE";
    }
    void bilgisayarId() {
        QFETCH(QString, disk);
        QFETCH(QString, mac);
        QFETCH(QString, beklenen);
        QCOMPARE(BilgisayarIdAl([&] { return disk; }, [&] { return mac; }), beklenen);
    }

    void bilgisayarIdDiskSerisinden() {
        QTemporaryDir kok;
        const std::filesystem::path yol = kok.path().toStdString();
        DosyaYaz(yol / "block/sda/device/serial", " ab 12 \n");
        const auto id = BilgisayarIdAl([&] { return DiskSeriNoAl(yol / "block", yol / "udev"); },
                                       [] { return QStringLiteral("00-1A-2B-3C-4D-5E"); });
        QCOMPARE(id, QStringLiteral("AB12"));
    }

    void bilgisayarIdHatalarYutulur() {
        const auto hata = []() -> QString { throw std::runtime_error("okunamadı"); };
        QCOMPARE(BilgisayarIdAl(hata, [] { return QStringLiteral("00-00-00-00-00-01"); }),
                 QStringLiteral("00-00-00-00-00-01"));
        QCOMPARE(BilgisayarIdAl(hata, hata), QString());
    }

    void diskSeriNo_data() {
        QTest::addColumn<QString>("dosyalar"); // "path=content;..." under the fake root
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("nvme seri dosyası") << "block/nvme0n1/device/serial= ab 12 \n"
                                           << "AB 12";
        QTest::newRow("udev kaydı") << "block/sda/device/model=X;block/sda/dev=8:0;udev/"
                                       "b8:0=E:ID_SERIAL=Y\nE:ID_SERIAL_SHORT=wd-123\n"
                                    << "WD-123";
        QTest::newRow("loop ve ram atlanır") << "block/loop0/device/serial=LOOP;block/ram0/device/serial=RAM;"
                                                "block/vda/device/serial=v1"
                                             << "V1";
        QTest::newRow("aygıtsız disk yok sayılır") << "block/dm-0/serial=DM"
                                                   << "";
        QTest::newRow("ilk disk ada göre") << "block/sdb/device/serial=B;block/sda/device/serial=A"
                                           << "A";
    }
    void diskSeriNo() {
        QFETCH(QString, dosyalar);
        QFETCH(QString, beklenen);
        QTemporaryDir kok;
        const std::filesystem::path yol = kok.path().toStdString();
        std::filesystem::create_directories(yol / "block");
        for (const auto& tanim : dosyalar.split(';')) {
            const auto esittir = tanim.indexOf('=');
            DosyaYaz(yol / tanim.left(esittir).toStdString(), tanim.mid(esittir + 1).toStdString());
        }
        QCOMPARE(DiskSeriNoAl(yol / "block", yol / "udev").trimmed(), beklenen);
    }

    void macAdresi_data() {
        QTest::addColumn<std::vector<Adaptor>>("adaptorler");
        QTest::addColumn<QString>("beklenen");
        const Adaptor sifir{Adres{}};
        const Adaptor kart{Adres{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e}};
        const Adaptor okunamayan{std::nullopt};
        QTest::newRow("yalnız sıfır adresli kart") << std::vector{sifir} << "00-00-00-00-00-00";
        QTest::newRow("sıfırdan sonrakine geçer") << std::vector{sifir, kart} << "00-1A-2B-3C-4D-5E";
        QTest::newRow("okunamayan sıfırı korur, sonra devam")
            << std::vector{sifir, okunamayan, kart} << "00-1A-2B-3C-4D-5E";
        QTest::newRow("ilki okunamazsa boş") << std::vector{okunamayan, kart} << "";
        QTest::newRow("ilk gerçek adreste durur") << std::vector{kart, sifir} << "00-1A-2B-3C-4D-5E";
        QTest::newRow("kart yok") << std::vector<Adaptor>{} << "";
    }
    void macAdresi() {
        QFETCH(std::vector<Adaptor>, adaptorler);
        QFETCH(QString, beklenen);
        QCOMPARE(MacAdresiAl(adaptorler), beklenen);
    }

    void yerelIp() {
        const auto ip = YerelIpAl();
        QVERIFY2(QHostAddressGecerli(ip), qPrintable(ip));
    }

    void hexCoz_data() {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<QByteArray>("beklenen");
        QTest::newRow("büyük küçük harf") << "4A6f" << QByteArray("\x4A\x6F");
        QTest::newRow("boş") << "" << QByteArray();
        QTest::newRow("tek hane sonda") << "FF7" << QByteArray("\xFF\x07");
        QTest::newRow("sıfır bayt") << "00" << QByteArray(1, '\0');
    }
    void hexCoz() {
        QFETCH(QString, metin);
        QFETCH(QByteArray, beklenen);
        QCOMPARE(HexCoz(metin), beklenen);
    }

    void hexCozHatali_data() {
        QTest::addColumn<QString>("metin");
        QTest::newRow("harf dışı") << "4AZZ";
        QTest::newRow("boşluk") << "4A 6";
        QTest::newRow("tek hatalı hane") << "4Ag";
    }
    void hexCozHatali() {
        QFETCH(QString, metin);
        QVERIFY_THROWS_EXCEPTION(DonusumHatasi, HexCoz(metin));
    }

    void urlKodla_data() {
        QTest::addColumn<QString>("adres");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("boşluk yolda") << "http://h.com/sanal pos/a b.aspx"
                                      << "http://h.com/sanal%20pos/a%20b.aspx";
        QTest::newRow("artı sorguda kalır, yolda kodlanır") << "https://h.com/a+b.aspx?t=1+2&x=y/z:w"
                                                            << "https://h.com/a%2Bb.aspx?t=1+2&x=y/z:w";
        QTest::newRow("UTF-8 baytları") << "http://h.com/ödeme?ad=Şık"
                                        << "http://h.com/%C3%B6deme?ad=%C5%9E%C4%B1k";
        QTest::newRow("özel işaretler") << "http://h.com/%<>\"{}|\\^[]`*#?q=#%"
                                        << "http://h.com/%25%3C%3E%22%7B%7D%7C%5C%5E%5B%5D%60%2A%23?q=%23%25";
        QTest::newRow("kullanıcı ve port korunur") << "http://k:s@h.com:8080"
                                                   << "http://k:s@h.com:8080";
        QTest::newRow("şemasız") << "a b?c d"
                                 << "a%20b?c%20d";
    }
    void urlKodla() {
        QFETCH(QString, adres);
        QFETCH(QString, beklenen);
        QCOMPARE(UrlKodla(adres), beklenen);
    }

    void yuvarla_data() {
        QTest::addColumn<double>("deger");
        QTest::addColumn<double>("beklenen");
        QTest::newRow("yarım yukarı") << 20.125 << 20.13;
        QTest::newRow("eksi yarım sıfırdan uzağa") << -20.125 << -20.13;
        QTest::newRow("bir kuruşun yarısı") << 0.005 << 0.01;
        QTest::newRow("ikili kesir yarının altında") << 1.005 << 1.01;
        QTest::newRow("2,675") << 2.675 << 2.68;
        QTest::newRow("yarının altı") << 20.1249 << 20.12;
        QTest::newRow("elde taşır") << 9.995 << 10.0;
        QTest::newRow("eksi elde taşır") << -99.999 << -100.0;
        QTest::newRow("toplama artığı") << 0.1 + 0.2 << 0.3;
        QTest::newRow("iki haneli değişmez") << 1234567.89 << 1234567.89;
        QTest::newRow("tamsayı") << 42.0 << 42.0;
        QTest::newRow("eksi küçük sıfır olur") << -0.001 << 0.0;
        QTest::newRow("büyük") << 123456789012.345 << 123456789012.35;
    }
    void yuvarla() {
        QFETCH(double, deger);
        QFETCH(double, beklenen);
        const double sonuc = Yuvarla(deger);
        QCOMPARE(sonuc, beklenen);
        QVERIFY(!std::signbit(sonuc) || beklenen < 0);
    }


    void veriKlasoruOlusturulur() {
        QTemporaryDir ev;
        qputenv("XDG_CONFIG_HOME", ev.path().toUtf8());
        const auto klasor = VeriKlasoruAl();
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(klasor, QDir(ev.path()).filePath("ruvizezevuv"));
        QVERIFY(QDir(klasor).exists());
        QCOMPARE(QFile::permissions(klasor) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    }

private:
    static bool QHostAddressGecerli(const QString& ip) {
        const auto parcalar = ip.split('.');
        return parcalar.size() == 4 && std::all_of(parcalar.begin(), parcalar.end(), [](const QString& p) {
                   bool tamam = false;
                   return p.toUInt(&tamam) <= 255 && tamam;
               });
    }
};

RVZ_TEST_ANA(YardimciTesti)
#include "yardimci_testi.moc"
