#include "olcum.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>

namespace rvz::bench {

std::vector<Durum>& Durumlar() {
    static std::vector<Durum> d;
    return d;
}

double Gecikmeler::Yuzdelik(double p) {
    if (ornekler_.empty())
        return 0;
    if (!sirali_) {
        std::sort(ornekler_.begin(), ornekler_.end());
        sirali_ = true;
    }
    const auto i = static_cast<std::size_t>(p / 100.0 * static_cast<double>(ornekler_.size() - 1) + 0.5);
    return static_cast<double>(ornekler_[std::min(i, ornekler_.size() - 1)]) / 1000.0;
}

void Yuklen(const std::string& baslik, int cagiranlar, std::chrono::milliseconds sure,
            const std::function<void()>& is) {
    using saat = std::chrono::steady_clock;
    Gecikmeler hepsi;
    std::mutex kilit;
    std::atomic<long> hatalar{0};
    std::string ilkHata;
    const auto basla = saat::now();
    const auto bitis = basla + sure;
    std::vector<std::thread> isler;
    for (int t = 0; t < cagiranlar; ++t)
        isler.emplace_back([&] {
            Gecikmeler benim;
            while (saat::now() < bitis) {
                const auto once = saat::now();
                try {
                    is();
                    benim.Ekle(
                        std::chrono::duration_cast<std::chrono::microseconds>(saat::now() - once).count());
                } catch (const std::exception& e) {
                    if (hatalar++ == 0) {
                        std::lock_guard k(kilit);
                        ilkHata = e.what();
                    }
                }
            }
            std::lock_guard k(kilit);
            hepsi.Birlestir(benim);
        });
    for (auto& t : isler)
        t.join();
    const double saniye = std::chrono::duration<double>(saat::now() - basla).count();
    std::printf("%s\n", baslik.c_str());
    std::printf("  çağıran: %d  süre: %.1f s  çağrı: %zu  hata: %ld\n", cagiranlar, saniye, hepsi.Sayi(),
                hatalar.load());
    std::printf("  çağrı/saniye: %.0f\n", static_cast<double>(hepsi.Sayi()) / saniye);
    std::printf("  gecikme (ms): p50 %.3f  p95 %.3f  p99 %.3f  en çok %.3f\n", hepsi.Yuzdelik(50),
                hepsi.Yuzdelik(95), hepsi.Yuzdelik(99), hepsi.Yuzdelik(100));
    if (!ilkHata.empty())
        std::printf("  ilk hata: %s\n", ilkHata.c_str());
}

} // namespace rvz::bench
