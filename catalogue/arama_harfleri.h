// The search box's letters: the letters only Turkish has become their plain Latin twins and
// everything is upper case, so the search text holds only what every keyboard types.
#pragma once

#include <QString>

class QLineEdit;

namespace rvz::katalog {

// ğ→g ü→u ş→s ö→o ç→c Ğ→G Ü→U Ş→S İ→I Ö→O Ç→C ı→I, then upper case.
QString AramaMetniEsle(const QString& metin);

// Makes every edit of `kutu` (typed or pasted) pass through AramaMetniEsle.
void AramaKutusunuHazirla(QLineEdit* kutu);

} // namespace rvz::katalog
