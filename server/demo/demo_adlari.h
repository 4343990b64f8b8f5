// Word lists the demo draws its names from (all fictitious firms and brands).
#pragma once

#include <span>
#include <string_view>

namespace rvz::sunucu::demo {

struct ParcaTuru {
    std::string_view adi, anaGrup, altGrup, departman;
    double fiyat; // typical list price
};

std::span<const ParcaTuru> ParcaTurleri();
std::span<const std::string_view> Markalar();
std::span<const std::string_view> Modeller();
std::span<const std::string_view> Yonler();
std::span<const std::string_view> Sehirler();
std::span<const std::string_view> FirmaAdlari();

} // namespace rvz::sunucu::demo
