#include "tcp_baglanti.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace rvz {

namespace {

std::string SistemHatasi(int no) {
    return std::strerror(no);
}

// Waits until the socket is ready for `olay`; false on timeout.
bool Bekle(int soket, short olay, std::chrono::milliseconds sure) {
    pollfd p{soket, olay, 0};
    for (;;) {
        const int r = ::poll(&p, 1, static_cast<int>(sure.count()));
        if (r < 0 && errno == EINTR)
            continue;
        return r > 0;
    }
}

int Baglan(const addrinfo& a, std::chrono::milliseconds sure, std::string& hata) {
    const int s = ::socket(a.ai_family, a.ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a.ai_protocol);
    if (s < 0) {
        hata = SistemHatasi(errno);
        return -1;
    }
    if (::connect(s, a.ai_addr, a.ai_addrlen) != 0) {
        if (errno != EINPROGRESS) {
            hata = SistemHatasi(errno);
            ::close(s);
            return -1;
        }
        if (!Bekle(s, POLLOUT, sure)) {
            hata = "Bağlantı zaman aşımına uğradı";
            ::close(s);
            return -1;
        }
        int soketHatasi = 0;
        socklen_t uzunluk = sizeof soketHatasi;
        ::getsockopt(s, SOL_SOCKET, SO_ERROR, &soketHatasi, &uzunluk);
        if (soketHatasi != 0) {
            hata = SistemHatasi(soketHatasi);
            ::close(s);
            return -1;
        }
    }
    const int bir = 1;
    ::setsockopt(s, IPPROTO_TCP, TCP_NODELAY, &bir, sizeof bir);
    return s;
}

} // namespace

TTcpBaglanti::~TTcpBaglanti() {
    Kapat();
}

void TTcpBaglanti::Kapat() {
    if (soket_ >= 0)
        ::close(soket_);
    soket_ = -1;
}

void TTcpBaglanti::Kopar(const std::string& neden) {
    Kapat();
    throw UzakHata(neden);
}

void TTcpBaglanti::Ac() {
    Kapat();
    addrinfo ipucu{};
    ipucu.ai_family = AF_UNSPEC;
    ipucu.ai_socktype = SOCK_STREAM;
    addrinfo* adresler = nullptr;
    const auto portMetni = std::to_string(ayarlar_.port);
    if (const int r = ::getaddrinfo(ayarlar_.host.c_str(), portMetni.c_str(), &ipucu, &adresler); r != 0)
        throw UzakHata(ayarlar_.host + " çözümlenemedi: " + ::gai_strerror(r));
    std::string hata = "adres bulunamadı";
    for (auto* a = adresler; a && soket_ < 0; a = a->ai_next)
        soket_ = Baglan(*a, ayarlar_.baglanmaSuresi, hata);
    ::freeaddrinfo(adresler);
    if (soket_ < 0)
        throw UzakHata(ayarlar_.host + ":" + portMetni + " adresine bağlanılamadı: " + hata);

    Gonder(MerhabaKodla({kProtokolSurumu, ayarlar_.makineId}));
    const auto govde = CerceveAl();
    try {
        if (MesajTuruOku(govde) == MesajTuru::Hata)
            Kopar(CevapCoz(govde).hataMetni);
        const auto cevap = MerhabaCevapCoz(govde);
        sunucuAdi_ = cevap.sunucuAdi;
    } catch (const ProtokolHatasi& e) {
        Kopar(std::string("Sunucu selamlaşmayı tanımadı: ") + e.what());
    }
}

void TTcpBaglanti::Gonder(const std::string& cerceve) {
    std::size_t gonderilen = 0;
    while (gonderilen < cerceve.size()) {
        const auto n = ::send(soket_, cerceve.data() + gonderilen, cerceve.size() - gonderilen, MSG_NOSIGNAL);
        if (n > 0) {
            gonderilen += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!Bekle(soket_, POLLOUT, ayarlar_.okumaSuresi))
                Kopar("Sunucuya yazılamadı: zaman aşımı");
            continue;
        }
        Kopar("Sunucuya yazılamadı: " + SistemHatasi(errno));
    }
}

std::string TTcpBaglanti::CerceveAl() {
    CerceveAyirici ayirici(ayarlar_.enBuyukCerceve);
    std::string govde;
    char tampon[64 * 1024];
    for (;;) {
        switch (ayirici.Sonraki(govde)) {
        case CerceveAyirici::Durum::Tamam:
            return govde;
        case CerceveAyirici::Durum::Bozuk:
            Kopar("Sunucudan bozuk ileti geldi: " + ayirici.Hata());
        case CerceveAyirici::Durum::DahaFazla:
            break;
        }
        // Read no further than the current frame, so nothing of a later frame is lost.
        const auto istenen = std::min(sizeof tampon, ayirici.Gereken());
        const auto n = ::recv(soket_, tampon, istenen, 0);
        if (n > 0) {
            ayirici.Ekle(std::string_view(tampon, static_cast<std::size_t>(n)));
            continue;
        }
        if (n == 0)
            Kopar("Sunucu bağlantıyı kapattı");
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (!Bekle(soket_, POLLIN, ayarlar_.okumaSuresi))
                Kopar("Sunucu zamanında cevap vermedi");
            continue;
        }
        Kopar("Sunucudan okunamadı: " + SistemHatasi(errno));
    }
}

Degerler TTcpBaglanti::Yurut(const Uye& uye, const Degerler& girdiler) {
    if (soket_ < 0)
        throw UzakHata("Bağlantı açık değil");
    Gonder(CagriKodla({uye.TamAd(), girdiler}));
    const auto govde = CerceveAl();
    Cevap cevap;
    try {
        cevap = CevapCoz(govde);
    } catch (const ProtokolHatasi& e) {
        Kopar(std::string("Sunucunun cevabı okunamadı: ") + e.what());
    }
    if (cevap.hata)
        throw UzakHata(cevap.hataMetni);
    return std::move(cevap.degerler);
}

} // namespace rvz
