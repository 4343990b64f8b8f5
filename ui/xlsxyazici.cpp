#include "xlsxyazici.h"

#include "zipyazici.h"

#include <QLocale>

namespace rvz {

namespace {

const char* const kXmlBasi = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
const char* const kAna = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

// Column letters: 0 → A, 25 → Z, 26 → AA.
QString SutunHarfi(int sutun) {
    QString harf;
    for (++sutun; sutun > 0; sutun = (sutun - 1) / 26)
        harf.prepend(QChar('A' + (sutun - 1) % 26));
    return harf;
}

QString Kacis(const QString& metin) {
    QString s;
    s.reserve(metin.size());
    for (QChar c : metin) {
        if (c == u'&')
            s += QStringLiteral("&amp;");
        else if (c == u'<')
            s += QStringLiteral("&lt;");
        else if (c == u'>')
            s += QStringLiteral("&gt;");
        else if (c == u'"')
            s += QStringLiteral("&quot;");
        else if (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r')
            continue; // not allowed in XML
        else
            s += c;
    }
    return s;
}

QString MetinHucresi(const QString& yer, const QString& metin, int stil) {
    return QStringLiteral(
               "<c r=\"%1\" t=\"inlineStr\" s=\"%2\"><is><t xml:space=\"preserve\">%3</t></is></c>")
        .arg(yer)
        .arg(stil)
        .arg(Kacis(metin));
}

std::string Sayfa(const TAktarimTablosu& tablo) {
    QString x =
        QString::fromLatin1(kXmlBasi) + QStringLiteral("<worksheet xmlns=\"%1\"><sheetData>").arg(kAna);
    x += QStringLiteral("<row r=\"1\">");
    for (int c = 0; c < tablo.basliklar.size(); ++c)
        x += MetinHucresi(SutunHarfi(c) + QLatin1Char('1'), tablo.basliklar[c], 2);
    x += QStringLiteral("</row>");
    for (std::size_t r = 0; r < tablo.satirlar.size(); ++r) {
        const QString no = QString::number(r + 2);
        const bool vurgulu = r < tablo.vurgulu.size() && tablo.vurgulu[r];
        x += QStringLiteral("<row r=\"%1\">").arg(no);
        const auto& satir = tablo.satirlar[r];
        for (std::size_t c = 0; c < satir.size(); ++c) {
            const QVariant& h = satir[c];
            if (!h.isValid() || (h.typeId() != QMetaType::Double && h.toString().isEmpty()))
                continue;
            const QString yer = SutunHarfi(static_cast<int>(c)) + no;
            if (h.typeId() == QMetaType::Double) {
                const bool iki = c < tablo.ikiOndalik.size() && tablo.ikiOndalik[c];
                x += QStringLiteral("<c r=\"%1\" s=\"%2\"><v>%3</v></c>")
                         .arg(yer)
                         .arg(iki ? 1 : 0)
                         .arg(QString::number(h.toDouble(), 'g', QLocale::FloatingPointShortest));
            } else {
                x += MetinHucresi(yer, h.toString(), vurgulu ? 2 : 0);
            }
        }
        x += QStringLiteral("</row>");
    }
    x += QStringLiteral("</sheetData></worksheet>");
    return x.toStdString();
}

} // namespace

std::string XlsxOlustur(const TAktarimTablosu& tablo) {
    const std::string bas = kXmlBasi;
    const std::string ana = kAna;
    TZipYazici zip;
    zip.Ekle(
        "[Content_Types].xml",
        bas + "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
              "<Default Extension=\"rels\" "
              "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
              "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
              "<Override PartName=\"/xl/workbook.xml\" "
              "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
              "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
              "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
              "<Override PartName=\"/xl/styles.xml\" "
              "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
              "</Types>");
    zip.Ekle(
        "_rels/.rels",
        bas + "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
              "<Relationship Id=\"rId1\" "
              "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
              "Target=\"xl/workbook.xml\"/></Relationships>");
    zip.Ekle("xl/workbook.xml",
             bas + "<workbook xmlns=\"" + ana +
                 "\" xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                 "<sheets><sheet name=\"Sayfa1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>");
    zip.Ekle("xl/_rels/workbook.xml.rels",
             bas + "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                   "<Relationship Id=\"rId1\" "
                   "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
                   "Target=\"worksheets/sheet1.xml\"/>"
                   "<Relationship Id=\"rId2\" "
                   "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
                   "Target=\"styles.xml\"/></Relationships>");
    zip.Ekle(
        "xl/styles.xml",
        bas + "<styleSheet xmlns=\"" + ana +
            "\"><fonts count=\"2\"><font><sz val=\"10\"/><name val=\"Arial\"/></font>"
            "<font><b/><sz val=\"10\"/><name val=\"Arial\"/></font></fonts>"
            "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
            "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
            "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
            "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" "
            "borderId=\"0\"/></cellStyleXfs>"
            "<cellXfs count=\"3\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>"
            "<xf numFmtId=\"4\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyNumberFormat=\"1\"/>"
            "<xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"0\" "
            "applyFont=\"1\"/></cellXfs>"
            "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
            "</styleSheet>");
    zip.Ekle("xl/worksheets/sheet1.xml", Sayfa(tablo));
    return zip.Bitir();
}

} // namespace rvz
