// Footer summaries: the row count and the sum of a field over a set of dataset rows.
#pragma once

#include "izgarasutunu.h"
#include "veriseti.h"

#include <QString>

#include <vector>

namespace rvz {

// Count: the number of rows. Sum: the field's values added, shown in the field's own
// pattern, else with two decimals for floating kinds and grouped digits for whole numbers.
QString OzetMetni(const TVeriSeti& veri, int alan, OzetCinsi cins, const std::vector<int>& satirlar);

} // namespace rvz
