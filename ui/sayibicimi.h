// Number and date display shared by the dataset, the grid footers and the export.
#pragma once

#include <QDateTime>
#include <QString>

namespace rvz {

// The pattern every floating-point result column gets: digits grouped in threes,
// always two decimals, through the current default locale.
inline const QString kSayiBicimi = QStringLiteral("#,###,##0.00");

// Formats by a pattern of the "#,###,##0.00" family: "," anywhere groups the digits,
// the count of "0"/"#" after "." gives the decimals. An empty pattern gives the shortest form.
QString BicimliSayi(double deger, const QString& bicim);

// OLE Automation date (days since 1899-12-30, time as the fraction).
QDateTime OleTarihiCoz(double gun);

} // namespace rvz
