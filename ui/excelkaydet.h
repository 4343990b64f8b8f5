// "Excel Kaydet": asks for a file name with the filter "Excel|*.xls*" and writes the
// grid's table there: .xlsx when the user names one, otherwise a legacy .xls workbook
// (a name without an extension gets ".xls").
#pragma once

#include "aktarimtablosu.h"

#include <QString>

#include <functional>

class QWidget;

namespace rvz {

// Asks for the file to save; an empty answer means cancelled. Replaceable in tests.
using KayitDosyasiSor = std::function<QString(QWidget* ebeveyn, const QString& suzgec)>;
void KayitDosyasiSoranAta(KayitDosyasiSor soran); // empty: the standard save dialog again

// Writes the table; raises std::runtime_error (or std::length_error) with a message for the user.
void ExcelDosyasiYaz(const QString& yol, const TAktarimTablosu& tablo);

// The button's whole action. Returns the path written, empty when cancelled; errors as above.
QString ExcelKaydet(QWidget* ebeveyn, const TAktarimTablosu& tablo);

} // namespace rvz
