// Demo pictures (assets/demo) compiled into the server.
#pragma once

#include <string_view>

namespace rvz::sunucu {

// The bytes of the named file, or empty.
std::string_view DemoVarligi(std::string_view ad);

} // namespace rvz::sunucu
