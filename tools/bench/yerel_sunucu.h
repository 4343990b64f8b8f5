// A server inside the benchmark process, on a free loopback port, silent.
#pragma once

#include "gunluk.h"
#include "sunucu.h"
#include "tcp_baglanti.h"

#include <memory>

namespace rvz::bench {

class YerelSunucu {
public:
    explicit YerelSunucu(const sunucu::Dagitici& dagitici) {
        sunucu::GunlukSessiz(true);
        sunucu::SunucuAyarlari s;
        s.dinle = "127.0.0.1";
        s.port = 0;
        sunucu_ = std::make_unique<sunucu::Sunucu>(s, dagitici);
        sunucu_->Baslat();
    }
    // Settings that reach it as `makineId`.
    BaglantiAyarlari Ayarlar(const std::string& makineId = "bench") const {
        BaglantiAyarlari b;
        b.port = sunucu_->Port();
        b.makineId = makineId;
        return b;
    }

private:
    std::unique_ptr<sunucu::Sunucu> sunucu_;
};

} // namespace rvz::bench
