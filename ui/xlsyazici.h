// Legacy Excel workbook (.xls, BIFF8) with one sheet: the captions in bold on the first
// row, then the rows; texts as UTF-16, numbers as numbers.
#pragma once

#include "aktarimtablosu.h"

#include <string>

namespace rvz {

// The sheet's limits: 65,536 rows (captions included) and 256 columns; a larger table
// raises std::length_error with a message for the user.
std::string XlsOlustur(const TAktarimTablosu& tablo);

} // namespace rvz
