#include "serbest_is_parcacigi.h"

#include "hata_raporu.h"

#include <QCoreApplication>
#include <QThread>

#include <exception>

namespace rvz::app {

void SerbestIsParcacigiBaslat(std::function<void()> is) {
    auto* parcacik = QThread::create([is = std::move(is)] {
        try {
            is();
        } catch (...) {
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [hata = std::current_exception()] { HataRaporla(hata); },
                Qt::QueuedConnection);
        }
    });
    QObject::connect(parcacik, &QThread::finished, parcacik, &QObject::deleteLater);
    parcacik->start();
}

} // namespace rvz::app
