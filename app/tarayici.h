// The installed browsers the payment page can be opened with.
#pragma once

#include <QString>
#include <QStringList>

namespace rvz::app {

// The places Chrome and Chromium are usually installed on Linux, in the order they are tried.
QStringList ChromeAdaylari();
// The first of `ChromeAdaylari` that exists as an executable file; empty when none does.
QString ChromeYoluAl();
// The embedded web engine's major version; 0 when the build has none.
int IESurumuAl();

} // namespace rvz::app
