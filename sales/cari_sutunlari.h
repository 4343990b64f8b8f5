// The columns of the dealer grid, in order. Headers show the field names; hidden columns can be
// shown from the column chooser.
#pragma once

#include "izgarasutunu.h"

#include <vector>

namespace rvz::sales {

std::vector<TIzgaraSutunu> CariSutunlari();

} // namespace rvz::sales
