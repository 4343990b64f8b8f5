// Small operations every window runs on its result datasets.
#pragma once

#include "veriseti.h"

namespace rvz {

// Gives every column of exactly the double kind (not currency, decimal or integer) the
// pattern "#,###,##0.00"; other columns keep their default display. A closed dataset is left alone.
void SayiBicimiVer(TVeriSeti& veri);

// True when the dataset is open and holds at least one row.
bool DoluMu(const TVeriSeti& veri);

// Walks from the first row; true at the first row whose "SEC" is 1, with the cursor left
// on it. False for an empty dataset, or with the cursor after the last row.
bool SeciliSatirVarMi(TVeriSeti& veri);

} // namespace rvz
