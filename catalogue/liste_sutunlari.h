// The columns of the new-items and campaign grids.
#pragma once

#include "izgarasutunu.h"
#include "kullanici_tipi.h"

#include <vector>

namespace rvz::katalog {

std::vector<TIzgaraSutunu> YeniSutunlari(const app::KullaniciTipiKurallari& kurallar);
std::vector<TIzgaraSutunu> KampanyaSutunlari(const app::KullaniciTipiKurallari& kurallar);

} // namespace rvz::katalog
