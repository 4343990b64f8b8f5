#include "makine_kimligi.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <arpa/inet.h>
#include <cstring>
#include <fstream>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>
#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace rvz::app {

namespace {

// QEMU gives its first two emulated disks these fixed serials, so every such virtual machine
// would claim the same identity; they are registered on the server under one shared identifier.
struct Degistirme {
    const char* verilen;
    const char* yerine;
};
constexpr Degistirme kDegistirmeler[] = {
    {"QM00001", "SANALMAKINE"},
    {"QM00002", "SANALMAKINE"},
};

QString DosyaOku(const fs::path& yol) {
    std::ifstream dosya(yol, std::ios::binary);
    if (!dosya)
        return {};
    std::string icerik((std::istreambuf_iterator<char>(dosya)), std::istreambuf_iterator<char>());
    return QString::fromUtf8(icerik);
}

// Disks that stand for hardware: a device link, and not a loop, RAM, optical or floppy device.
bool FizikselDiskMi(const fs::directory_entry& giris) {
    const auto ad = giris.path().filename().string();
    for (const char* onEk : {"loop", "ram", "zram", "sr", "fd", "nbd"})
        if (ad.starts_with(onEk))
            return false;
    std::error_code hata;
    return fs::exists(giris.path() / "device", hata);
}

// The serial as the kernel or udev knows it, in the order most drivers fill them.
QString SeriOku(const fs::path& disk, const fs::path& udevVerisi) {
    if (auto seri = DosyaOku(disk / "device" / "serial").trimmed(); !seri.isEmpty())
        return seri;
    const auto aygit = DosyaOku(disk / "dev").trimmed(); // "MAJOR:MINOR"
    if (!aygit.isEmpty()) {
        const auto kayit = DosyaOku(udevVerisi / ("b" + aygit.toStdString()));
        for (const auto& satir : kayit.split('\n'))
            if (satir.startsWith(QLatin1String("E:ID_SERIAL_SHORT=")))
                return satir.mid(18).trimmed();
    }
    // SCSI unit serial number page: 4 header bytes, then the serial.
    const auto sayfa = DosyaOku(disk / "device" / "vpd_pg80");
    return sayfa.size() > 4 ? sayfa.mid(4).trimmed() : QString();
}

QString AdresMetni(const std::array<std::uint8_t, 6>& adres) {
    QStringList parcalar;
    for (auto bayt : adres)
        parcalar << QStringLiteral("%1").arg(bayt, 2, 16, QLatin1Char('0')).toUpper();
    return parcalar.join('-');
}

std::optional<std::array<std::uint8_t, 6>> AdresCoz(const QString& metin) {
    const auto parcalar = metin.trimmed().split(':');
    if (parcalar.size() != 6)
        return std::nullopt;
    std::array<std::uint8_t, 6> adres{};
    for (std::size_t i = 0; i < adres.size(); ++i) {
        bool tamam = false;
        const auto deger = parcalar[static_cast<qsizetype>(i)].toUInt(&tamam, 16);
        if (!tamam || deger > 0xFF)
            return std::nullopt;
        adres[i] = static_cast<std::uint8_t>(deger);
    }
    return adres;
}

bool Geridonus(const sockaddr_in& a) {
    return (ntohl(a.sin_addr.s_addr) >> 24) == 127;
}

QString Noktali(const sockaddr_in& a) {
    char metin[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &a.sin_addr, metin, sizeof metin);
    return QString::fromLatin1(metin);
}

} // namespace

QString BilgisayarIdAl(const std::function<QString()>& diskSeriAl, const std::function<QString()>& macAl) {
    QString kimlik;
    try {
        kimlik = diskSeriAl().trimmed();
    } catch (...) {
        kimlik.clear();
    }
    if (kimlik.isEmpty()) {
        try {
            kimlik = macAl().trimmed();
        } catch (...) {
            kimlik.clear();
        }
    }
    kimlik.remove(QLatin1Char(' '));
    for (const auto& d : kDegistirmeler)
        if (kimlik == QLatin1String(d.verilen))
            return QString::fromLatin1(d.yerine);
    return kimlik;
}

QString BilgisayarIdAl() {
    return BilgisayarIdAl([] { return DiskSeriNoAl(); }, [] { return MacAdresiAl(); });
}

QString DiskSeriNoAl(const fs::path& sysBlock, const fs::path& udevVerisi) {
    std::error_code hata;
    std::vector<fs::directory_entry> diskler;
    for (const auto& giris : fs::directory_iterator(sysBlock, hata))
        if (FizikselDiskMi(giris))
            diskler.push_back(giris);
    if (diskler.empty())
        return {};
    std::sort(diskler.begin(), diskler.end());
    return SeriOku(diskler.front().path(), udevVerisi).toUpper();
}

std::vector<Adaptor> AdaptorleriAl() {
    std::vector<Adaptor> adaptorler;
    auto* liste = ::if_nameindex();
    if (!liste)
        return adaptorler;
    std::vector<std::pair<unsigned, std::string>> sirali;
    for (auto* a = liste; a->if_index != 0; ++a)
        sirali.emplace_back(a->if_index, a->if_name);
    ::if_freenameindex(liste);
    std::sort(sirali.begin(), sirali.end());
    for (const auto& [no, ad] : sirali)
        adaptorler.push_back({AdresCoz(DosyaOku(fs::path("/sys/class/net") / ad / "address"))});
    return adaptorler;
}

QString MacAdresiAl(const std::vector<Adaptor>& adaptorler) {
    static const QString kSifir = QStringLiteral("00-00-00-00-00-00");
    QString metin;
    for (std::size_t denenen = 0; denenen < adaptorler.size();) {
        if (const auto& adres = adaptorler[denenen].adres)
            metin = AdresMetni(*adres);
        ++denenen;
        // An adapter whose status fails keeps the text as it was; only an all-zero text goes on.
        if (metin != kSifir)
            break;
    }
    return metin;
}

QString BilgisayarAdiAl() {
    char ad[256] = {};
    if (::gethostname(ad, sizeof ad - 1) != 0)
        return {};
    return QString::fromLocal8Bit(ad);
}

QString WindowsKullaniciAl() {
    if (const auto* kullanici = ::getpwuid(::geteuid()); kullanici && kullanici->pw_name)
        return QString::fromLocal8Bit(kullanici->pw_name);
    return qEnvironmentVariable("USER");
}

QString YerelIpAl() {
    // The host name's own addresses first (what the network knows this machine by), then the
    // interfaces; loopback addresses are skipped in both, as they tell the server nothing.
    char ad[256] = {};
    if (::gethostname(ad, sizeof ad - 1) == 0) {
        addrinfo ipucu{};
        ipucu.ai_family = AF_INET;
        addrinfo* sonuc = nullptr;
        if (::getaddrinfo(ad, nullptr, &ipucu, &sonuc) == 0) {
            QString bulunan;
            for (auto* a = sonuc; a && bulunan.isEmpty(); a = a->ai_next) {
                sockaddr_in adres{};
                std::memcpy(&adres, a->ai_addr, sizeof adres);
                if (!Geridonus(adres))
                    bulunan = Noktali(adres);
            }
            ::freeaddrinfo(sonuc);
            if (!bulunan.isEmpty())
                return bulunan;
        }
    }
    ifaddrs* arayuzler = nullptr;
    QString bulunan = QStringLiteral("127.0.0.1");
    if (::getifaddrs(&arayuzler) == 0) {
        for (auto* a = arayuzler; a; a = a->ifa_next) {
            if (!a->ifa_addr || a->ifa_addr->sa_family != AF_INET || !(a->ifa_flags & IFF_UP))
                continue;
            sockaddr_in adres{};
            std::memcpy(&adres, a->ifa_addr, sizeof adres);
            if (!Geridonus(adres)) {
                bulunan = Noktali(adres);
                break;
            }
        }
        ::freeifaddrs(arayuzler);
    }
    return bulunan;
}

} // namespace rvz::app
