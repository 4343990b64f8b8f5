// The identity of this machine as the login sends it and the session record carries it.
// Every operation degrades to a smaller answer instead of raising.
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace rvz::app {

// One network interface as the adapter walk sees it; no address means its status could not be read.
struct Adaptor {
    std::optional<std::array<std::uint8_t, 6>> adres;
};

// The machine identifier: the first physical disk's serial, else the MAC address, spaces removed,
// then passed through the replacement table.
QString BilgisayarIdAl();
// The same rule over given sources; `macAl` is asked only when the disk gives nothing.
QString BilgisayarIdAl(const std::function<QString()>& diskSeriAl, const std::function<QString()>& macAl);

// Serial number of the first physical disk in capitals; empty when there is none.
// `sysBlock` and `udevVerisi` are the sysfs block folder and the udev database folder.
QString DiskSeriNoAl(const std::filesystem::path& sysBlock = "/sys/block",
                     const std::filesystem::path& udevVerisi = "/run/udev/data");

// The interfaces of this machine in index order.
std::vector<Adaptor> AdaptorleriAl();
// MAC address as "00-1A-2B-3C-4D-5E"; walks on past all-zero addresses, empty when no status was read.
QString MacAdresiAl(const std::vector<Adaptor>& adaptorler = AdaptorleriAl());

// The computer's network name; empty when it cannot be read.
QString BilgisayarAdiAl();
// The operating-system user name; empty when it cannot be read.
QString WindowsKullaniciAl();
// The first non-loopback IPv4 address of this machine, "127.0.0.1" when there is none.
QString YerelIpAl();

} // namespace rvz::app
