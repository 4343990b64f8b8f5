// The folders the program writes to.
#pragma once

#include <QString>

namespace rvz::app {

// The per-user data folder: "ruvizezevuv" in the user's configuration folder, created (owner only)
// when missing. Empty when it cannot be created.
QString VeriKlasoruAl();
// The user's documents folder; empty when the system cannot tell.
QString BelgelerKlasoruAl();

} // namespace rvz::app
