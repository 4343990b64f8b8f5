// The hand-over: a worker gives a procedure to the user-interface thread and waits until it has
// run there. An error the procedure raises comes back to the worker.
#pragma once

#include <functional>

namespace rvz::app {

// Runs `is` on the user-interface thread and returns when it has run; on that thread itself it
// simply runs it. The user-interface thread must be running its event loop.
void ArayuzdeCalistir(const std::function<void()>& is);

// True on the user-interface thread (and when there is no application object).
bool ArayuzIsParcacigindaMi();

} // namespace rvz::app
