// The search key of stock items: codes and names folded so that case, Turkish letters
// and the spaces, dots, dashes (any punctuation) inside part numbers do not matter.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace rvz::sunucu {

// Upper-case ASCII letters and digits only: "Fren Balatası Ön" -> "FRENBALATASION",
// "04465-0K 090" -> "044650K090".
std::string AramaAnahtari(std::string_view metin);

// The key of one item: the keys of its codes and names joined by "|", so that no match
// spans two fields.
std::string StokAnahtari(std::initializer_list<std::string_view> alanlar);

} // namespace rvz::sunucu
