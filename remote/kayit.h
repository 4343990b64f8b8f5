// Record objects that cross the wire in their JSON form:
//   {"type": "<unit>.<class>", "id": <number within the message>, "fields": {"F<name>": value, ...}}
// with the fields in declaration order.
#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

namespace rvz {

using Json = nlohmann::ordered_json;

// A record's JSON that does not fit its class.
class KayitHatasi : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TKayit {
public:
    virtual ~TKayit() = default;
    // Unit-qualified class name, e.g. "baglantiu.TSonucBilgisi".
    virtual std::string_view SinifAdi() const = 0;
    // The "fields" object; `id` numbers nested objects.
    virtual Json AlanlarYaz(int& id) const = 0;
    // Fills the fields from a "fields" object, by name; absent members keep their values.
    virtual void AlanlarOku(const Json& alanlar) = 0;
};

// The whole object form of a record (id 1 for the record itself).
Json KayitJson(const TKayit& kayit, int& id);
std::string KayitJsonMetni(const TKayit& kayit);

// A new, default-constructed record of the named class, or nullptr for an unknown name.
std::unique_ptr<TKayit> KayitOlustur(std::string_view sinifAdi);

// Reads a record from its JSON text; the "type" must be `beklenenSinif` when that is given.
std::unique_ptr<TKayit> KayitCoz(std::string_view json, std::string_view beklenenSinif = {});
std::unique_ptr<TKayit> KayitNesnedenCoz(const Json& nesne, std::string_view beklenenSinif = {});

// Plain records: a table of fields, each a pointer to a member, gives the JSON form.
template <class T>
using AlanUyesi = std::variant<std::string T::*, std::int32_t T::*, double T::*, bool T::*>;

template <class T> struct Alan {
    const char* ad; // JSON member name, "F" + property name
    AlanUyesi<T> uye;
};

namespace ayrinti {
template <class T> Json AlanlariYaz(const T& k, std::span<const Alan<T>> alanlar) {
    Json j = Json::object();
    for (const auto& a : alanlar)
        std::visit([&](auto uye) { j[a.ad] = k.*uye; }, a.uye);
    return j;
}
void AlanOku(const Json& j, const char* ad, std::string& hedef);
void AlanOku(const Json& j, const char* ad, std::int32_t& hedef);
void AlanOku(const Json& j, const char* ad, double& hedef);
void AlanOku(const Json& j, const char* ad, bool& hedef);
void FieldsNesnesiMi(const Json& j);
template <class T> void AlanlariOku(T& k, const Json& j, std::span<const Alan<T>> alanlar) {
    FieldsNesnesiMi(j);
    for (const auto& a : alanlar) {
        auto it = j.find(a.ad);
        if (it == j.end())
            continue;
        std::visit([&](auto uye) { AlanOku(*it, a.ad, k.*uye); }, a.uye);
    }
}
} // namespace ayrinti

// Base of the plain records: T provides `static std::span<const Alan<T>> Alanlar()` and `kSinif`.
template <class T> class TDuzKayit : public TKayit {
public:
    std::string_view SinifAdi() const override { return T::kSinif; }
    Json AlanlarYaz(int&) const override {
        return ayrinti::AlanlariYaz(static_cast<const T&>(*this), T::Alanlar());
    }
    void AlanlarOku(const Json& j) override { ayrinti::AlanlariOku(static_cast<T&>(*this), j, T::Alanlar()); }
};

} // namespace rvz
