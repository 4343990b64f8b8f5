// The columns of the stock grid and its drawn price information cell.
#pragma once

#include "izgarasutunu.h"
#include "kullanici_tipi.h"

#include <QString>

#include <vector>

namespace rvz::katalog {

inline const QString kFiyatBilgisi = QStringLiteral("Fiyat Bilgisi");

// The 34 columns in display order, with the user type's rules applied.
std::vector<TIzgaraSutunu> StokSutunlari(const app::KullaniciTipiKurallari& kurallar);

// The lines of the price information cell for one row: list price, the campaign price only
// when there is one, net price and VAT-inclusive price, each ending in a line break.
QString FiyatBilgisiMetni(const TVeriSeti& veri, int satir);

} // namespace rvz::katalog
