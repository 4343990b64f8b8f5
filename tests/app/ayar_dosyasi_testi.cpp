// The settings file: keys as written, lines kept, owner-only permissions.
#include "ayar_dosyasi.h"
#include "test_ana.h"

#include <QFile>
#include <QTemporaryDir>

using rvz::app::AyarDosyasi;

class AyarDosyasiTesti : public QObject {
    Q_OBJECT
private slots:
    void gidisDonus() {
        QTemporaryDir klasor;
        const auto yol = klasor.filePath("ayar.ini");
        AyarDosyasi yazilan(yol);
        QVERIFY(!yazilan.Oku());
        yazilan.Ata("kullanici", "isim", "AHMET");
        yazilan.Ata("kullanici", "sifre", "GİZLİ=1 ");
        yazilan.Ata("kullanici", "hatırla", "0");
        QVERIFY(yazilan.Kaydet());

        QFile dosya(yol);
        QVERIFY(dosya.open(QIODevice::ReadOnly));
        const auto icerik = QString::fromUtf8(dosya.readAll());
        QVERIFY2(icerik.contains("\nhatırla=0"), qPrintable(icerik));
        QCOMPARE(QFile::permissions(yol) & ~(QFile::ReadUser | QFile::WriteUser),
                 QFile::ReadOwner | QFile::WriteOwner);

        AyarDosyasi okunan(yol);
        QVERIFY(okunan.Oku());
        QCOMPARE(okunan.Deger("kullanici", "isim"), QStringLiteral("AHMET"));
        QCOMPARE(okunan.Deger("kullanici", "hatırla"), QStringLiteral("0"));
        QCOMPARE(okunan.Deger("kullanici", "yok", "1"), QStringLiteral("1"));
        // Surrounding spaces are not kept, as INI readers do.
        QCOMPARE(okunan.Deger("kullanici", "sifre"), QStringLiteral("GİZLİ=1"));
    }

    void okuma_data() {
        QTest::addColumn<QByteArray>("icerik");
        QTest::addColumn<QString>("anahtar");
        QTest::addColumn<QString>("beklenen"); // null: missing
        const QByteArray ornek =
            "; yorum\r\n[genel]\r\nisim=BAŞKA\r\n\r\n[Kullanici]\r\n  ISIM = ALİ \r\nhatırla=1\r\n";
        QTest::newRow("bölüm ve anahtar büyük küçük harfe bakmaz") << ornek << "isim"
                                                                   << "ALİ";
        QTest::newRow("Türkçe anahtar") << ornek << "hatırla"
                                        << "1";
        QTest::newRow("eksik anahtar") << ornek << "sifre" << QString();
        QTest::newRow("BOM ile") << QByteArray("\xEF\xBB\xBF[kullanici]\nisim=X\n") << "isim"
                                 << "X";
        QTest::newRow("bölüm yok") << QByteArray("isim=X\n") << "isim" << QString();
    }
    void okuma() {
        QFETCH(QByteArray, icerik);
        QFETCH(QString, anahtar);
        QFETCH(QString, beklenen);
        QTemporaryDir klasor;
        QFile dosya(klasor.filePath("ayar.ini"));
        QVERIFY(dosya.open(QIODevice::WriteOnly));
        dosya.write(icerik);
        dosya.close();
        AyarDosyasi ayar(dosya.fileName());
        QVERIFY(ayar.Oku());
        const auto deger = ayar.Deger("kullanici", anahtar);
        QCOMPARE(deger.has_value(), !beklenen.isNull());
        if (deger)
            QCOMPARE(*deger, beklenen);
    }

    void bilinmeyenSatirlarKalir() {
        QTemporaryDir klasor;
        QFile dosya(klasor.filePath("ayar.ini"));
        QVERIFY(dosya.open(QIODevice::WriteOnly));
        dosya.write("; el ile yazıldı\n[kullanici]\nisim=ESKİ\n\n[diger]\nx=1\n");
        dosya.close();
        AyarDosyasi ayar(dosya.fileName());
        QVERIFY(ayar.Oku());
        ayar.Ata("kullanici", "isim", "YENİ");
        ayar.Ata("kullanici", "hatırla", "1");
        QVERIFY(ayar.Kaydet());
        QVERIFY(dosya.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(dosya.readAll()),
                 QStringLiteral(
                     "; el ile yazıldı\r\n[kullanici]\r\nisim=YENİ\r\nhatırla=1\r\n\r\n[diger]\r\nx=1\r\n"));
    }
};

RVZ_TEST_ANA(AyarDosyasiTesti)
#include "ayar_dosyasi_testi.moc"
