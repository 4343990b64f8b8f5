// The columns of the basket grid.
#pragma once

#include "izgarasutunu.h"
#include "kullanici_tipi.h"

#include <vector>

namespace rvz::sepet {

inline const QString kSecBasligi = QStringLiteral("Seç");

// The 52 columns in display order, with the user type's rules applied.
std::vector<TIzgaraSutunu> SepetSutunlari(const app::KullaniciTipiKurallari& kurallar);

} // namespace rvz::sepet
