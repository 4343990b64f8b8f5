// The dealer search text as it goes to the server.
#include "arama_metni.h"
#include "test_ana.h"

using namespace rvz::sales;

class AramaMetniTesti : public QObject {
    Q_OBJECT
private slots:
    void hazirlanir_data() {
        QTest::addColumn<QString>("kutudaki");
        QTest::addColumn<QString>("gonderilen");
        QTest::newRow("noktasız ı") << QStringLiteral("ılık ışık") << QStringLiteral("ilik işik");
        QTest::newRow("büyük I ve İ dokunulmaz")
            << QStringLiteral("IŞIK İZMİR") << QStringLiteral("IŞIK İZMİR");
        QTest::newRow("çevre boşlukları") << QStringLiteral("  KARTAL  ") << QStringLiteral("KARTAL");
        QTest::newRow("içteki boşluk kalır")
            << QStringLiteral(" OTO  PARÇA ") << QStringLiteral("OTO  PARÇA");
        QTest::newRow("yalnız boşluk") << QStringLiteral("    ") << QString();
        QTest::newRow("boş") << QString() << QString();
        QTest::newRow("sekme ve satır sonu") << QStringLiteral("\tAKSU\r\n") << QStringLiteral("AKSU");
    }
    void hazirlanir() {
        QFETCH(QString, kutudaki);
        QFETCH(QString, gonderilen);
        QCOMPARE(CariAramaMetni(kutudaki), gonderilen);
    }
};

RVZ_TEST_ANA(AramaMetniTesti)
#include "arama_metni_testi.moc"
