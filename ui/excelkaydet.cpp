#include "excelkaydet.h"

#include "xlsxyazici.h"
#include "xlsyazici.h"

#include <QFileDialog>
#include <QSaveFile>

#include <stdexcept>

namespace rvz {

namespace {

QString StandartSoru(QWidget* ebeveyn, const QString& suzgec) {
    return QFileDialog::getSaveFileName(ebeveyn, QStringLiteral("Excel Kaydet"), QString(), suzgec);
}

KayitDosyasiSor& Soran() {
    static KayitDosyasiSor soran = StandartSoru;
    return soran;
}

} // namespace

void KayitDosyasiSoranAta(KayitDosyasiSor soran) {
    Soran() = soran ? std::move(soran) : StandartSoru;
}

void ExcelDosyasiYaz(const QString& yol, const TAktarimTablosu& tablo) {
    const std::string icerik =
        yol.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive) ? XlsxOlustur(tablo) : XlsOlustur(tablo);
    // Written aside and renamed, so a failed save never leaves half a file behind.
    QSaveFile dosya(yol);
    if (!dosya.open(QIODevice::WriteOnly) ||
        dosya.write(icerik.data(), static_cast<qint64>(icerik.size())) !=
            static_cast<qint64>(icerik.size()) ||
        !dosya.commit())
        throw std::runtime_error(
            QStringLiteral("Dosya kaydedilemedi: %1\n%2").arg(yol, dosya.errorString()).toStdString());
}

QString ExcelKaydet(QWidget* ebeveyn, const TAktarimTablosu& tablo) {
    QString yol = Soran()(ebeveyn, QStringLiteral("Excel (*.xls*)"));
    if (yol.isEmpty())
        return {};
    if (!yol.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive) &&
        !yol.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        yol += QStringLiteral(".xls");
    ExcelDosyasiYaz(yol, tablo);
    return yol;
}

} // namespace rvz
