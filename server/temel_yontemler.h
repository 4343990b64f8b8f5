// Members that need no business data.
#pragma once

#include "dagitici.h"

namespace rvz::sunucu {

void TemelYontemleriKaydet(Dagitici& d);

// Reverses a UTF-8 text by characters, so that multi-byte letters stay whole.
std::string Tersten(std::string_view metin);

} // namespace rvz::sunucu
