#include "dagitici.h"

#include "gunluk.h"
#include "kayit.h"

namespace rvz::sunucu {

void Dagitici::Kaydet(std::string_view uye, Isleyici isleyici) {
    const auto* u = UyeBul(uye);
    if (!u)
        throw std::logic_error("katalogda olmayan üye: " + std::string(uye));
    isleyiciler_[u->ad] = std::move(isleyici);
}

bool Dagitici::KayitliMi(std::string_view uye) const {
    return isleyiciler_.contains(uye);
}

namespace {

void GirdileriDenetle(const Uye& uye, const Degerler& degerler) {
    if (static_cast<int>(degerler.size()) != uye.KonumSayisi())
        throw IsHatasi(std::string(uye.ad) + ": " + std::to_string(uye.KonumSayisi()) +
                       " değer bekleniyor, " + std::to_string(degerler.size()) + " geldi");
    for (int i = 0; i < uye.KonumSayisi(); ++i) {
        const auto p = uye.Konum(i);
        const auto& d = degerler[static_cast<std::size_t>(i)];
        if (p.yon == Yon::Cikti) {
            if (!d.IsNull())
                throw IsHatasi(std::string(uye.ad) + ": " + std::to_string(i) + ". konumdaki " +
                               std::string(p.ad) + " bir çıktı; boş gönderilmeli");
            continue;
        }
        if (p.tur == DegerTuru::Callback && !d.IsNull())
            throw IsHatasi(std::string(uye.ad) + ": geri çağırma değerleri desteklenmiyor");
        if (auto hata = KonumDenetle(uye, i, d); !hata.empty())
            throw IsHatasi(hata);
        if (p.tur == DegerTuru::Kayit && !d.IsNull()) {
            try {
                KayitCoz(d.metin, p.sinif);
            } catch (const std::exception& e) {
                throw IsHatasi(std::string(uye.ad) + ": " + std::string(p.ad) +
                               " kaydı okunamadı: " + e.what());
            }
        }
    }
}

} // namespace

std::string Dagitici::Yanitla(const CagriBaglami& baglam, const Cagri& cagri) const {
    const Uye* uye = TamAdlaBul(cagri.yontem);
    try {
        if (!uye)
            throw IsHatasi("Bilinmeyen uzak yöntem: " + cagri.yontem);
        GirdileriDenetle(*uye, cagri.degerler);
        if (denetci_)
            denetci_(baglam, *uye);
        auto it = isleyiciler_.find(uye->ad);
        if (it == isleyiciler_.end())
            throw IsHatasi(std::string(uye->ad) + " bu sunucuda uygulanmadı (not implemented)");
        Konumlar konumlar(*uye, cagri.degerler);
        it->second(baglam, konumlar);
        auto& sonuc = konumlar.Hepsi();
        for (int i = 0; i < uye->KonumSayisi(); ++i) {
            if (uye->Konum(i).yon == Yon::Girdi) {
                sonuc[static_cast<std::size_t>(i)] = {}; // inputs are not sent back
                continue;
            }
            if (auto hata = KonumDenetle(*uye, i, sonuc[static_cast<std::size_t>(i)]); !hata.empty()) {
                Gunluk("sunucu hatası: " + hata);
                throw IsHatasi("Sunucu iç hatası: " + std::string(uye->ad));
            }
        }
        return CevapKodla(sonuc);
    } catch (const IsHatasi& e) {
        return HataKodla(e.what());
    } catch (const std::exception& e) {
        Gunluk("makine=" + baglam.makineId + " yöntem=" + cagri.yontem + " hata: " + e.what());
        return HataKodla(e.what());
    }
}

} // namespace rvz::sunucu
