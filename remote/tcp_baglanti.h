// The command-level connection over TCP: connect, hello, then one frame exchange per call.
#pragma once

#include "dbx.h"
#include "kodlama.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace rvz {

struct BaglantiAyarlari {
    std::string host = "127.0.0.1";
    std::uint16_t port = 9090;
    std::string makineId; // sent in the hello; the server knows the caller by it
    std::chrono::milliseconds baglanmaSuresi{5000};
    std::chrono::milliseconds okumaSuresi{60000};
    std::uint32_t enBuyukCerceve = kVarsayilanEnBuyukCerceve;
};

class TTcpBaglanti : public TDBXConnection {
public:
    explicit TTcpBaglanti(BaglantiAyarlari ayarlar = {}) : ayarlar_(std::move(ayarlar)) {}
    ~TTcpBaglanti() override;
    TTcpBaglanti(const TTcpBaglanti&) = delete;
    TTcpBaglanti& operator=(const TTcpBaglanti&) = delete;

    // Connects and exchanges the hello; raises UzakHata with the reason on failure.
    void Ac();
    void Kapat();
    bool Acik() const { return soket_ >= 0; }
    const BaglantiAyarlari& Ayarlar() const { return ayarlar_; }
    BaglantiAyarlari& Ayarlar() { return ayarlar_; }
    const std::string& SunucuAdi() const { return sunucuAdi_; }

    Degerler Yurut(const Uye& uye, const Degerler& girdiler) override;

private:
    void Gonder(const std::string& cerceve);
    std::string CerceveAl();
    [[noreturn]] void Kopar(const std::string& neden);

    BaglantiAyarlari ayarlar_;
    int soket_ = -1;
    std::string sunucuAdi_;
};

} // namespace rvz
