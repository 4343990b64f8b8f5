#include "beklesinu.h"

#include "hata_raporu.h"

#include <QObject>
#include <QThread>

#include <exception>
#include <stdexcept>

namespace rvz::app {

namespace {

// Calls are mostly waits on the network, so the pool is wider than the processor count: a
// start-up load, a few tab loads and a search fit at once without queueing behind each other.
constexpr int kEnAzIsci = 8;

} // namespace

QThreadPool& IsHavuzu() {
    // Never destroyed: a pool's destructor waits for running work, and the program may end while
    // a work still waits for the user-interface thread.
    static auto* havuz = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(std::max(kEnAzIsci, 2 * QThread::idealThreadCount()));
        return p;
    }();
    return *havuz;
}

void TAwait::Await(std::function<void()> tamamlama) {
    if (basladi_)
        throw std::logic_error("Await bir arka plan çağrısında bir kez çağrılır");
    basladi_ = true;
    // Lives in the calling thread; the completion is delivered through its event loop.
    auto* alici = new QObject;
    auto kendisi = shared_from_this();
    IsHavuzu().start([kendisi, alici, tamamlama = std::move(tamamlama)]() mutable {
        std::exception_ptr hata;
        try {
            kendisi->FAsync();
        } catch (...) {
            hata = std::current_exception();
        }
        QMetaObject::invokeMethod(
            alici,
            [kendisi, alici, tamamlama = std::move(tamamlama), hata]() mutable {
                alici->deleteLater();
                std::exception_ptr sonHata = hata;
                try {
                    if (tamamlama)
                        tamamlama();
                } catch (...) {
                    if (!sonHata)
                        sonHata = std::current_exception();
                }
                HataRaporla(sonHata);
                kendisi.reset();
            },
            Qt::QueuedConnection);
    });
}

std::shared_ptr<IAwait> ArkaPlanCagrisi(std::function<void()> is) {
    return std::make_shared<TAwait>(std::move(is));
}

} // namespace rvz::app
