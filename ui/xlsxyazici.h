// Office Open XML workbook (.xlsx) with one sheet, in the same layout as the .xls writer.
#pragma once

#include "aktarimtablosu.h"

#include <string>

namespace rvz {

std::string XlsxOlustur(const TAktarimTablosu& tablo);

} // namespace rvz
