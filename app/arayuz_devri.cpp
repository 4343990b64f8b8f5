#include "arayuz_devri.h"

#include <QCoreApplication>
#include <QThread>

#include <exception>

namespace rvz::app {

bool ArayuzIsParcacigindaMi() {
    auto* uygulama = QCoreApplication::instance();
    return !uygulama || QThread::currentThread() == uygulama->thread();
}

void ArayuzdeCalistir(const std::function<void()>& is) {
    if (ArayuzIsParcacigindaMi()) {
        is();
        return;
    }
    std::exception_ptr hata;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [&] {
            try {
                is();
            } catch (...) {
                hata = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (hata)
        std::rethrow_exception(hata);
}

} // namespace rvz::app
