// The listener: accepts connections, takes the hello, then answers one call frame after
// another through the dispatcher. Bounded by a frame size, an idle timeout and a cap on
// simultaneous connections.
#pragma once

#include "dagitici.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace rvz::sunucu {

struct SunucuAyarlari {
    std::string dinle = "0.0.0.0";
    std::uint16_t port = 9090; // 0 picks a free port
    std::uint32_t enBuyukCerceve = kVarsayilanEnBuyukCerceve;
    std::chrono::milliseconds bosSure{30000}; // a frame (or the hello) must arrive within this
    int enCokBaglanti = 1024;
    int isParcacigi = 0; // 0: four per processor core, at least eight
    std::string ad = "ruvizezevuv-server";
};

class Sunucu {
public:
    Sunucu(SunucuAyarlari ayarlar, const Dagitici& dagitici);
    ~Sunucu();
    Sunucu(const Sunucu&) = delete;
    Sunucu& operator=(const Sunucu&) = delete;

    // Binds and starts serving on worker threads; raises when the address cannot be bound.
    void Baslat();
    std::uint16_t Port() const;
    // Blocks until Durdur() is called or SIGINT / SIGTERM arrives (when `sinyaller`).
    void Bekle(bool sinyaller);
    void Durdur();
    int AcikBaglanti() const;

    struct Ic;

private:
    std::unique_ptr<Ic> ic_;
};

} // namespace rvz::sunucu
