#include "kayit.h"

#include "baglantiu.h"
#include "mobilstokunit.h"

#include <cmath>
#include <functional>
#include <limits>
#include <utility>

namespace rvz {

Json KayitJson(const TKayit& kayit, int& id) {
    Json j = Json::object();
    j["type"] = kayit.SinifAdi();
    j["id"] = id++;
    j["fields"] = kayit.AlanlarYaz(id);
    return j;
}

std::string KayitJsonMetni(const TKayit& kayit) {
    int id = 1;
    return KayitJson(kayit, id).dump();
}

std::unique_ptr<TKayit> KayitOlustur(std::string_view sinifAdi) {
    using Yapici = std::pair<std::string_view, std::function<std::unique_ptr<TKayit>()>>;
    static const Yapici yapicilar[] = {
        {TSonucBilgisi::kSinif, [] { return std::make_unique<TSonucBilgisi>(); }},
        {TSiparisDipAyrinti::kSinif, [] { return std::make_unique<TSiparisDipAyrinti>(); }},
        {TTusSonuclari::kSinif, [] { return std::make_unique<TTusSonuclari>(); }},
        {TMobilStok::kSinif, [] { return std::make_unique<TMobilStok>(); }},
        {TMobilStoklar::kSinif, [] { return std::make_unique<TMobilStoklar>(); }},
        {TMobilSepet::kSinif, [] { return std::make_unique<TMobilSepet>(); }},
        {TMobilSepetler::kSinif, [] { return std::make_unique<TMobilSepetler>(); }},
        {TMobilCariBilgisi::kSinif, [] { return std::make_unique<TMobilCariBilgisi>(); }},
        {TAcilisEkran::kSinif, [] { return std::make_unique<TAcilisEkran>(); }},
        {TAcilisEkranlar::kSinif, [] { return std::make_unique<TAcilisEkranlar>(); }},
        {TAcilisEkranlariki::kSinif, [] { return std::make_unique<TAcilisEkranlariki>(); }},
    };
    for (const auto& [ad, yap] : yapicilar)
        if (ad == sinifAdi)
            return yap();
    return nullptr;
}

std::unique_ptr<TKayit> KayitNesnedenCoz(const Json& nesne, std::string_view beklenenSinif) {
    if (!nesne.is_object())
        throw KayitHatasi("kayıt bir JSON nesnesi değil");
    auto tur = nesne.find("type");
    if (tur == nesne.end() || !tur->is_string())
        throw KayitHatasi("kaydın \"type\" üyesi yok");
    const auto& sinif = tur->get_ref<const std::string&>();
    if (!beklenenSinif.empty() && sinif != beklenenSinif)
        throw KayitHatasi("beklenen kayıt " + std::string(beklenenSinif) + ", gelen " + sinif);
    auto kayit = KayitOlustur(sinif);
    if (!kayit)
        throw KayitHatasi("bilinmeyen kayıt sınıfı " + sinif);
    auto alanlar = nesne.find("fields");
    if (alanlar != nesne.end())
        kayit->AlanlarOku(*alanlar);
    return kayit;
}

std::unique_ptr<TKayit> KayitCoz(std::string_view json, std::string_view beklenenSinif) {
    Json nesne = Json::parse(json.begin(), json.end(), nullptr, false);
    if (nesne.is_discarded())
        throw KayitHatasi("kayıt geçerli bir JSON değil");
    return KayitNesnedenCoz(nesne, beklenenSinif);
}

namespace ayrinti {

namespace {
[[noreturn]] void TurHatasi(const char* ad, const char* beklenen) {
    throw KayitHatasi(std::string(ad) + " alanı " + beklenen + " olmalı");
}
} // namespace

void FieldsNesnesiMi(const Json& j) {
    if (!j.is_object())
        throw KayitHatasi("kaydın \"fields\" üyesi bir nesne olmalı");
}

void AlanOku(const Json& j, const char* ad, std::string& hedef) {
    if (!j.is_string())
        TurHatasi(ad, "metin");
    hedef = j.get<std::string>();
}

void AlanOku(const Json& j, const char* ad, std::int32_t& hedef) {
    if (j.is_number_integer()) {
        const auto v = j.get<std::int64_t>();
        if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
            TurHatasi(ad, "32 bitlik bir tamsayı");
        hedef = static_cast<std::int32_t>(v);
        return;
    }
    if (j.is_number_unsigned()) {
        const auto v = j.get<std::uint64_t>();
        if (v > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
            TurHatasi(ad, "32 bitlik bir tamsayı");
        hedef = static_cast<std::int32_t>(v);
        return;
    }
    if (j.is_number_float()) {
        const double v = j.get<double>();
        if (v != std::trunc(v) || v < std::numeric_limits<std::int32_t>::min() ||
            v > std::numeric_limits<std::int32_t>::max())
            TurHatasi(ad, "32 bitlik bir tamsayı");
        hedef = static_cast<std::int32_t>(v);
        return;
    }
    TurHatasi(ad, "tamsayı");
}

void AlanOku(const Json& j, const char* ad, double& hedef) {
    if (!j.is_number())
        TurHatasi(ad, "sayı");
    hedef = j.get<double>();
}

void AlanOku(const Json& j, const char* ad, bool& hedef) {
    if (!j.is_boolean())
        TurHatasi(ad, "true ya da false");
    hedef = j.get<bool>();
}

} // namespace ayrinti

} // namespace rvz
