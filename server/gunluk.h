// One line per event on standard error, whole lines even from many threads.
#pragma once

#include <string_view>

namespace rvz::sunucu {

void Gunluk(std::string_view satir);
void GunlukSessiz(bool sessiz); // tests silence it

} // namespace rvz::sunucu
