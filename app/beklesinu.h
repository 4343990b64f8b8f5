// Background calls: a work procedure runs on a thread of the shared worker pool, then a
// completion runs on the thread that started it (the user-interface thread).
//
//     ArkaPlanCagrisi([durum] { ...remote work on its own connection copy... })
//         ->Await([durum] { ...show the result... });
//
// An error of the work is reported right after the completion has run, by the application's
// default error report (HataRaporla). There is no cancellation.
#pragma once

#include <QThreadPool>

#include <functional>
#include <memory>

namespace rvz::app {

class IAwait {
public:
    virtual ~IAwait() = default;
    // Starts the work and returns at once; `tamamlama` runs through the calling thread's event
    // loop when the work has ended. Called once per background call.
    virtual void Await(std::function<void()> tamamlama) = 0;
};

class TAwait final : public IAwait, public std::enable_shared_from_this<TAwait> {
public:
    explicit TAwait(std::function<void()> is) : FAsync(std::move(is)) {}
    void Await(std::function<void()> tamamlama) override;

private:
    std::function<void()> FAsync;
    bool basladi_ = false;
};

// Creates the background call; nothing runs until Await.
std::shared_ptr<IAwait> ArkaPlanCagrisi(std::function<void()> is);

// The shared worker pool behind every background call.
QThreadPool& IsHavuzu();

} // namespace rvz::app
