#include "depo.h"

#include <variant>

namespace rvz::sunucu {

Veri DepoBaglantisi::Tek(std::string_view sql, Parametreler p) {
    auto s = Sorgula(sql, p);
    if (s.Bos() || s.satirlar[0].empty())
        return {};
    return s.satirlar[0][0];
}

std::int64_t DepoBaglantisi::TekSayi(std::string_view sql, Parametreler p, std::int64_t yoksa) {
    auto v = Tek(sql, p);
    return std::holds_alternative<std::monostate>(v) ? yoksa : Sayi(v);
}

double DepoBaglantisi::TekOndalik(std::string_view sql, Parametreler p, double yoksa) {
    auto v = Tek(sql, p);
    return std::holds_alternative<std::monostate>(v) ? yoksa : Ondalik(v);
}

std::int64_t Sayi(const Veri& v) {
    if (auto* i = std::get_if<std::int64_t>(&v))
        return *i;
    if (auto* d = std::get_if<double>(&v))
        return static_cast<std::int64_t>(*d);
    return 0;
}

double Ondalik(const Veri& v) {
    if (auto* d = std::get_if<double>(&v))
        return *d;
    if (auto* i = std::get_if<std::int64_t>(&v))
        return static_cast<double>(*i);
    return 0;
}

std::string Metin(const Veri& v) {
    if (auto* s = std::get_if<std::string>(&v))
        return *s;
    if (auto* i = std::get_if<std::int64_t>(&v))
        return std::to_string(*i);
    return {};
}

} // namespace rvz::sunucu
