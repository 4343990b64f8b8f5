#include "excelkaydet.h"

#include <freexl.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <stdexcept>

using namespace rvz;

namespace {

TAktarimTablosu Ornek() {
    TAktarimTablosu t;
    t.basliklar = {"Açıklama", "Miktar", "Fiyat"};
    t.ikiOndalik = {false, false, true};
    t.satirlar = {{QString("Şaft kavrama ĞÜİÖÇığüşöç"), 2.0, 1234567.891},
                  {QString("Fren <diski> & \"balata\""), QVariant(), -0.5},
                  {QString(), 3.0, QVariant()}};
    t.vurgulu = {false, false, false};
    return t;
}

// Reads a .xls with libfreexl (independent of our writer).
class XlsOkuyucu {
public:
    explicit XlsOkuyucu(const QString& yol) {
        durum_ = freexl_open(yol.toLocal8Bit().constData(), &el_);
        if (durum_ == FREEXL_OK)
            durum_ = freexl_select_active_worksheet(el_, 0);
    }
    ~XlsOkuyucu() {
        if (el_)
            freexl_close(el_);
    }
    bool Acik() const { return durum_ == FREEXL_OK; }
    QVariant Hucre(unsigned satir, unsigned short sutun) const {
        FreeXL_CellValue h;
        if (freexl_get_cell_value(el_, satir, sutun, &h) != FREEXL_OK)
            return QStringLiteral("<hata>");
        switch (h.type) {
        case FREEXL_CELL_INT:
            return static_cast<double>(h.value.int_value);
        case FREEXL_CELL_DOUBLE:
            return h.value.double_value;
        case FREEXL_CELL_TEXT:
        case FREEXL_CELL_SST_TEXT:
            return QString::fromUtf8(h.value.text_value);
        default:
            return {};
        }
    }

private:
    const void* el_ = nullptr;
    int durum_ = FREEXL_OK;
};

} // namespace

class ExcelTesti : public QObject {
    Q_OBJECT
    QTemporaryDir klasor_;

    QString Yol(const QString& ad) const { return klasor_.filePath(ad); }

private slots:
    void cleanup() { KayitDosyasiSoranAta({}); }

    void xlsGeriOkunur() {
        const auto t = Ornek();
        ExcelDosyasiYaz(Yol("ornek.xls"), t);
        XlsOkuyucu x(Yol("ornek.xls"));
        QVERIFY(x.Acik());
        for (unsigned short c = 0; c < 3; ++c)
            QCOMPARE(x.Hucre(0, c).toString(), t.basliklar[c]);
        for (unsigned r = 0; r < t.satirlar.size(); ++r)
            for (unsigned short c = 0; c < 3; ++c)
                QCOMPARE(x.Hucre(r + 1, c), t.satirlar[r][c].isValid() && t.satirlar[r][c] != QString()
                                                ? t.satirlar[r][c]
                                                : QVariant());
    }

    void xlsUzunVeCokMetin() {
        // A string that runs over a record boundary and a string table of many records.
        // (libfreexl refuses strings spanning three records, which the format allows; the
        // writer splits them the same way, so two records are checked here.)
        TAktarimTablosu t;
        t.basliklar = {"Not"};
        t.ikiOndalik = {false};
        const QString uzun = QString("İğneada çıkışı ").repeated(400);
        t.satirlar.push_back({uzun});
        for (int i = 0; i < 3000; ++i)
            t.satirlar.push_back({QStringLiteral("Parça %1 ş").arg(i)});
        ExcelDosyasiYaz(Yol("uzun.xls"), t);
        XlsOkuyucu x(Yol("uzun.xls"));
        QVERIFY(x.Acik());
        QCOMPARE(x.Hucre(1, 0).toString(), uzun);
        QCOMPARE(x.Hucre(2, 0).toString(), QStringLiteral("Parça 0 ş"));
        QCOMPARE(x.Hucre(3001, 0).toString(), QStringLiteral("Parça 2999 ş"));
    }

    void xlsBuyukDosya() {
        // Over 7 MB: the FAT no longer fits the header's list and needs DIFAT sectors.
        TAktarimTablosu t;
        for (int c = 0; c < 10; ++c)
            t.basliklar << QStringLiteral("S%1").arg(c);
        for (int r = 0; r < 45000; ++r)
            t.satirlar.push_back(std::vector<QVariant>(10, QVariant(r + 0.25)));
        ExcelDosyasiYaz(Yol("buyuk.xls"), t);
        XlsOkuyucu x(Yol("buyuk.xls"));
        QVERIFY(x.Acik());
        QCOMPARE(x.Hucre(45000, 9).toDouble(), 44999.25);
        QCOMPARE(x.Hucre(1, 0).toDouble(), 0.25);
    }

    void xlsSatirSiniri() {
        TAktarimTablosu t;
        t.basliklar = {"A"};
        t.satirlar.resize(65536, std::vector<QVariant>(1));
        QVERIFY_THROWS_EXCEPTION(std::length_error, ExcelDosyasiYaz(Yol("fazla.xls"), t));
        QVERIFY(!QFile::exists(Yol("fazla.xls")));
        ExcelDosyasiYaz(Yol("fazla.xlsx"), t); // the newer format takes it
    }

    void xlsxGecerliZip() {
        const auto unzip = QStandardPaths::findExecutable(QStringLiteral("unzip"));
        if (unzip.isEmpty())
            QSKIP("unzip yok");
        ExcelDosyasiYaz(Yol("ornek.xlsx"), Ornek());
        QProcess denetim;
        denetim.start(unzip, {"-tq", Yol("ornek.xlsx")});
        QVERIFY(denetim.waitForFinished());
        QCOMPARE(denetim.exitCode(), 0);
        QProcess oku;
        oku.start(unzip, {"-p", Yol("ornek.xlsx"), "xl/worksheets/sheet1.xml"});
        QVERIFY(oku.waitForFinished());
        const QString xml = QString::fromUtf8(oku.readAllStandardOutput());
        QVERIFY(xml.contains(QStringLiteral(">Açıklama</t>")));
        QVERIFY(xml.contains(QStringLiteral(">Şaft kavrama ĞÜİÖÇığüşöç</t>")));
        QVERIFY(xml.contains(QStringLiteral("Fren &lt;diski&gt; &amp; &quot;balata&quot;")));
        QVERIFY(xml.contains(QStringLiteral("<c r=\"C2\" s=\"1\"><v>1234567.891</v></c>")));
    }

    void kaydetDiyalogu_data() {
        QTest::addColumn<QString>("secilen");
        QTest::addColumn<QString>("yazilan");
        QTest::newRow("vazgeçildi") << ""
                                    << "";
        QTest::newRow("uzantısız") << "liste"
                                   << "liste.xls";
        QTest::newRow("xls") << "liste.XLS"
                             << "liste.XLS";
        QTest::newRow("xlsx") << "liste.xlsx"
                              << "liste.xlsx";
    }
    void kaydetDiyalogu() {
        QFETCH(QString, secilen);
        QFETCH(QString, yazilan);
        QString sorulanSuzgec;
        KayitDosyasiSoranAta([&](QWidget*, const QString& suzgec) {
            sorulanSuzgec = suzgec;
            return secilen.isEmpty() ? QString() : Yol(secilen);
        });
        const QString yol = ExcelKaydet(nullptr, Ornek());
        QVERIFY(sorulanSuzgec.contains(QStringLiteral("*.xls*")));
        QCOMPARE(yol, yazilan.isEmpty() ? QString() : Yol(yazilan));
        if (yazilan.isEmpty())
            return;
        QFile f(yol);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bas = f.read(8);
        const bool xlsx = yazilan.endsWith(QStringLiteral(".xlsx"));
        QCOMPARE(bas.left(xlsx ? 4 : 8),
                 xlsx ? QByteArray("PK\x03\x04") : QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"));
    }
};

QTEST_GUILESS_MAIN(ExcelTesti)
#include "tst_excel.moc"
