// The benchmark registry and the measuring helpers every case shares.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace rvz::bench {

struct Ayarlar {
    std::string host = "127.0.0.1";
    std::uint16_t port = 0; // 0: the case starts its own server on loopback
    std::string makineId = "DEMO-TIP0";
    int cagiranlar = 32;
    std::chrono::milliseconds sure{5000};
    std::vector<std::string> ekler; // case-specific options (--arg VALUE)
};

struct Durum {
    std::string ad;
    std::string aciklama;
    std::function<int(const Ayarlar&)> calistir; // exit code
};

// Cases register themselves from their own files with a static Kayit.
std::vector<Durum>& Durumlar();
struct Kayit {
    explicit Kayit(Durum d) { Durumlar().push_back(std::move(d)); }
};

// Latencies of the calls of all callers, in microseconds.
class Gecikmeler {
public:
    void Ekle(std::int64_t us) { ornekler_.push_back(us); }
    void Birlestir(const Gecikmeler& o) {
        ornekler_.insert(ornekler_.end(), o.ornekler_.begin(), o.ornekler_.end());
    }
    std::size_t Sayi() const { return ornekler_.size(); }
    // The p-th percentile (0–100) in milliseconds.
    double Yuzdelik(double p);

private:
    std::vector<std::int64_t> ornekler_;
    bool sirali_ = false;
};

// Runs `is` on `cagiranlar` threads until `sure` has passed; each call's latency is recorded.
// Failed calls are counted, not timed. Prints calls per second and the percentiles.
void Yuklen(const std::string& baslik, int cagiranlar, std::chrono::milliseconds sure,
            const std::function<void()>& is);

} // namespace rvz::bench
