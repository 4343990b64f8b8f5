// The application object: an error that escapes an event handler ends in the default error report
// (HataRaporla) instead of ending the program.
#pragma once

#include <QApplication>

namespace rvz::app {

class TUygulama : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* alici, QEvent* olay) override;
};

} // namespace rvz::app
