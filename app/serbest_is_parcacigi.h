// A thread created for one procedure, started at once and discarded when it ends. It reaches the
// user-interface thread only through hand-overs (ArayuzdeCalistir); an error that escapes it is
// given to the default error report.
#pragma once

#include <functional>

namespace rvz::app {

void SerbestIsParcacigiBaslat(std::function<void()> is);

} // namespace rvz::app
