// The application's one default error report: what an error that reaches the user-interface
// thread unhandled (from a background call or a free-standing thread) ends in.
#pragma once

#include <QString>

#include <exception>
#include <functional>

namespace rvz::app {

// The text an error shows: what() of a standard exception, a fixed text otherwise.
QString HataMetni(std::exception_ptr hata);

// Reports the error; by default its text in a MesajVer error box.
void HataRaporla(std::exception_ptr hata);

using HataRaporu = std::function<void(std::exception_ptr)>;
// Installs `rapor` (empty: the default again) and returns the one it replaces.
HataRaporu HataRaporuAta(HataRaporu rapor);

} // namespace rvz::app
