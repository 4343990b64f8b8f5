#include "kapali_port.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace rvz::test {

KapaliPort::KapaliPort() {
    soket_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in adres{};
    adres.sin_family = AF_INET;
    adres.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t boy = sizeof adres;
    if (soket_ < 0 || ::bind(soket_, reinterpret_cast<sockaddr*>(&adres), boy) != 0 ||
        ::getsockname(soket_, reinterpret_cast<sockaddr*>(&adres), &boy) != 0) {
        Birak();
        return;
    }
    port_ = ntohs(adres.sin_port);
}

void KapaliPort::Birak() {
    if (soket_ >= 0)
        ::close(soket_);
    soket_ = -1;
}

} // namespace rvz::test
