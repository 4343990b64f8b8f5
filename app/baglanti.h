// The server connection with the settings the program configures it by. The configured one
// (`bagc`, owned by the main window) is used directly on the user-interface thread; every other
// operation works on a copy made with Kopya.
#pragma once

#include "tcp_baglanti.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

namespace rvz::app {

struct BaglantiParametreleri {
    std::string surucu = "DataSnap"; // the remote-method transport
    std::string host;
    std::uint16_t port = 9090;
    std::string iletisimProtokolu = "tcp/ip";
    std::string sunucuYolu = "datasnap/"; // context path; our transport has no use for it
    std::string filtreler;                // none: no compression or encryption layer
    bool girisSor = false;                // the transport carries no user name of its own
    std::string makineId;                 // sent in the hello
    // A reachable server answers a connect on the local network in well under a second; three
    // seconds also cover a slow link, and keep 11 attempts at a silent host near half a minute.
    std::chrono::milliseconds baglanmaSuresi{3000};
    // The longest answer (a report rendered as PDF) takes seconds; a minute means the server hangs.
    std::chrono::milliseconds okumaSuresi{60000};
};

// Settings with the built-in (or environment's) host and port.
BaglantiParametreleri VarsayilanParametreler();

class TBaglanti {
public:
    explicit TBaglanti(BaglantiParametreleri parametreler = VarsayilanParametreler());
    TBaglanti(const TBaglanti&) = delete;
    TBaglanti& operator=(const TBaglanti&) = delete;

    // A new, independent connection with every setting of this one, opened too when this one is
    // open (an open that fails leaves the copy closed; BaglantiAc opens it anew anyway).
    std::unique_ptr<TBaglanti> Kopya() const;

    // Connects and greets the server; raises rvz::UzakHata with the reason.
    void Ac();
    void Kapat();
    bool Acik() const { return tcp_.Acik(); }

    BaglantiParametreleri& Parametreler() { return parametreler_; }
    const BaglantiParametreleri& Parametreler() const { return parametreler_; }

    // What the remote-method client is created on.
    TDBXConnection* DBXConnection() { return &tcp_; }

private:
    BaglantiParametreleri parametreler_;
    TTcpBaglanti tcp_;
};

} // namespace rvz::app
