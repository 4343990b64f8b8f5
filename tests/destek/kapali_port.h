// A loopback port where nothing listens: held bound (so no other program takes it) but not
// listening, so a connection to it is refused at once.
#pragma once

#include <cstdint>

namespace rvz::test {

class KapaliPort {
public:
    KapaliPort();
    ~KapaliPort() { Birak(); }
    KapaliPort(const KapaliPort&) = delete;
    KapaliPort& operator=(const KapaliPort&) = delete;

    std::uint16_t Port() const { return port_; }
    // Lets the port go, e.g. for a server that is to start on it.
    void Birak();

private:
    int soket_ = -1;
    std::uint16_t port_ = 0;
};

} // namespace rvz::test
