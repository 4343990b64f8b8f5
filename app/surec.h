// Ending the process: every way out of the program (exit confirmation, cancelled login,
// unregistered machine, setup download) ends it at once, saving and sending nothing.
#pragma once

#include <functional>

namespace rvz::app {

// Ends the process at once with `kod`. Returns only when a test has put its own ending in place.
void SurecBitir(int kod);

using SurecBitirici = std::function<void(int)>;
// Installs `bitirici` (empty: the real ending again) and returns the one it replaces.
SurecBitirici SurecBitiriciAta(SurecBitirici bitirici);

} // namespace rvz::app
