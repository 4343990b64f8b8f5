#include "gunluk.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <string>

namespace rvz::sunucu {

namespace {
std::mutex kilit;
std::atomic<bool> sessizMi{false};
} // namespace

void GunlukSessiz(bool sessiz) {
    sessizMi = sessiz;
}

void Gunluk(std::string_view satir) {
    if (sessizMi)
        return;
    const auto simdi = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm t{};
    ::localtime_r(&simdi, &t);
    char zaman[32];
    std::strftime(zaman, sizeof zaman, "%Y-%m-%d %H:%M:%S", &t);
    std::string tam = std::string(zaman) + " " + std::string(satir) + "\n";
    std::lock_guard kilitle(kilit);
    std::fwrite(tam.data(), 1, tam.size(), stderr);
}

} // namespace rvz::sunucu
