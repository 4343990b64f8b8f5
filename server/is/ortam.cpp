#include "ortam.h"

#include "baglantiu.h"
#include "gunluk.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace rvz::sunucu {

std::optional<Arayan> ArayanBul(DepoBaglantisi& b, const std::string& makineId) {
    if (makineId.empty())
        return std::nullopt;
    auto s =
        b.Sorgula("SELECT k.SIRANO, k.ADI, k.MUSTERITIPI, COALESCE(k.CARINO, 0), COALESCE(k.SATICINO, 0), "
                  "k.AKTIF FROM makineler m JOIN kullanicilar k ON k.SIRANO = m.KULLANICI "
                  "WHERE m.BILGISAYARID = ?",
                  {makineId});
    if (s.Bos())
        return std::nullopt;
    const auto& r = s.satirlar[0];
    if (Sayi(r[5]) != 1)
        return std::nullopt; // a disabled user has no rights
    return Arayan{static_cast<int>(Sayi(r[0])), Metin(r[1]), static_cast<int>(Sayi(r[2])),
                  static_cast<int>(Sayi(r[3])), static_cast<int>(Sayi(r[4]))};
}

void CariYetkisi(DepoBaglantisi& b, const Arayan& a, std::int64_t carino) {
    const char* ret = "Bu cari hesap için yetkiniz yok.";
    if (a.tip == 2) {
        if (b.TekSayi("SELECT COUNT(*) FROM cariler WHERE CARINO = ?", {carino}) == 0)
            throw IsHatasi("Cari hesap bulunamadı.");
        return;
    }
    if (a.tip == 1) {
        if (b.TekSayi("SELECT COUNT(*) FROM cariler WHERE CARINO = ? AND SATICINO = ?",
                      {carino, a.saticino}) == 0)
            throw IsHatasi(ret);
        return;
    }
    if (carino != a.carino)
        throw IsHatasi(ret);
}

int OturumCarisi(DepoBaglantisi& b, const Arayan& a, const Konumlar& k, int konum) {
    if (k.Bos(konum))
        throw IsHatasi("Oturum bilgisi gönderilmedi.");
    TSonucBilgisi s;
    s.AlanlarOku(Json::parse(k.KayitMetni(konum)).at("fields"));
    CariYetkisi(b, a, s.CARINO);
    return s.CARINO;
}

void IsKaydet(Dagitici& d, IsOrtami& o, std::string_view uye, std::function<void(IsCagrisi&)> f) {
    d.Kaydet(uye, [&o, f = std::move(f)](const CagriBaglami& baglam, Konumlar& k) {
        auto b = o.depo.Al();
        try {
            auto arayan = ArayanBul(*b, baglam.makineId);
            if (!arayan)
                throw IsHatasi("Bu bilgisayar kayıtlı değil.");
            IsCagrisi c{o, *b, *arayan, k};
            f(c);
        } catch (const DepoHatasi& e) {
            Gunluk("veritabanı hatası (" + std::string(k.Uyesi().ad) + "): " + e.what());
            throw IsHatasi("Sunucuda veritabanı hatası oluştu, lütfen tekrar deneyin.");
        }
    });
}

std::string TemizMetin(std::string_view s, std::size_t enCok, std::string_view alan, bool satirli) {
    std::string t;
    t.reserve(std::min(s.size(), enCok * 4));
    std::size_t harf = 0;
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) {
            if (!(satirli && (c == '\n' || c == '\t')) && c != '\r')
                continue;
            if (c == '\r')
                continue;
        }
        if ((u & 0xC0) != 0x80 && ++harf > enCok)
            throw IsHatasi(std::string(alan) + " en çok " + std::to_string(enCok) + " karakter olabilir.");
        t += c;
    }
    return t;
}

double MiktarDenetle(double miktar) {
    if (!std::isfinite(miktar) || miktar <= 0)
        throw IsHatasi("Miktar sıfırdan büyük olmalıdır.");
    if (miktar > 100000)
        throw IsHatasi("Miktar en çok 100.000 olabilir.");
    return miktar;
}

double Simdi() {
    const auto t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm yerel{};
    localtime_r(&t, &yerel);
    return OleTarih(yerel.tm_year + 1900, yerel.tm_mon + 1, yerel.tm_mday, yerel.tm_hour, yerel.tm_min,
                    yerel.tm_sec);
}

} // namespace rvz::sunucu
