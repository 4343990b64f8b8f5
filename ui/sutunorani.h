// Column widths in proportion to the declared weights.
#pragma once

#include "izgarasutunu.h"

#include <vector>

class QHeaderView;

namespace rvz {

class TIzgara;

// Screens at most this wide fit the columns to their content instead.
constexpr int kGenisEkranSiniri = 1152;

// Sums the weights of the visible columns; unit = (width − 30) / sum, truncated; every
// visible column gets weight × unit. Does nothing when the visible weights sum to 0.
// Returns the unit.
int SutunlariOranla(QHeaderView& baslik, const std::vector<TIzgaraSutunu>& sutunlar, int genislik);
int SutunlariOranla(TIzgara& izgara, int genislik);

// The list grids' rule: on a screen wider than 1152 pixels proportional over the grid's
// width, otherwise every column fitted to its content.
void SutunlariEkranaGoreSigdir(TIzgara& izgara, int ekranGenisligi);

} // namespace rvz
