#include "uygulama.h"

#include "hata_raporu.h"

#include <exception>

namespace rvz::app {

bool TUygulama::notify(QObject* alici, QEvent* olay) {
    try {
        return QApplication::notify(alici, olay);
    } catch (...) {
        HataRaporla(std::current_exception());
        return false;
    }
}

} // namespace rvz::app
