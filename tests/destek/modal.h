// Acting on a real modal window from a test: the action runs from the event loop as soon as a
// modal window is open, so the test's call that opens it can block as it does for the user.
// Check results after the modal call has returned, not inside the action.
#pragma once

#include <QWidget>

#include <chrono>
#include <functional>

namespace rvz::test {

// Runs `eylem` on the active modal window once one is open; gives up after `sure`.
void ModaldeYap(std::function<void(QWidget*)> eylem,
                std::chrono::milliseconds sure = std::chrono::seconds(10));

// Closes every modal window left open (a cleanup after a failed test).
void ModallariKapat();

} // namespace rvz::test
