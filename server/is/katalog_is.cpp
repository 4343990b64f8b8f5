// Stock search, the new and campaign lists and item pictures.
#include "arama.h"
#include "is.h"
#include "ortak_sorgular.h"

namespace rvz::sunucu {

namespace {

// Rows of a search term; an empty or absurd term answers the columns without rows.
Tablo StokAra(IsCagrisi& c, std::string_view kod, std::int64_t carino) {
    const auto ind = CariIndirimleri(c.b, carino);
    const std::string anahtar = kod.size() > 200 ? std::string() : AramaAnahtari(kod);
    const std::int64_t sinir = c.ortam.ayarlar.enCokAramaSonucu;
    if (anahtar.empty())
        return StokTablosu(c.b, "WHERE 0", {}, ind);
    if (anahtar.size() >= 3) // trigram index: any substring of three or more characters
        return StokTablosu(c.b,
                           "WHERE s.STOKNO IN (SELECT rowid FROM stok_arama WHERE stok_arama MATCH ?) "
                           "ORDER BY s.STOKNO LIMIT ?",
                           {"\"" + anahtar + "\"", sinir}, ind);
    return StokTablosu(c.b, "WHERE s.ARAMA LIKE ? ORDER BY s.STOKNO LIMIT ?", {"%" + anahtar + "%", sinir},
                       ind);
}

} // namespace

void KatalogYontemleriniKaydet(Dagitici& d, IsOrtami& o) {
    IsKaydet(d, o, "StokAraGetir", [](IsCagrisi& c) {
        const int carino = OturumCarisi(c.b, c.arayan, c.k, 1);
        c.k.Sonuc(Deger::Paket(StokAra(c, c.k.Metin(0), carino)));
    });
    IsKaydet(d, o, "YenilerVer2", [](IsCagrisi& c) {
        CariYetkisi(c.b, c.arayan, c.k.Int(0));
        c.k.Sonuc(Deger::Paket(StokTablosu(c.b, "WHERE s.YENI = 1 ORDER BY s.STOKNO DESC LIMIT 1000", {},
                                           CariIndirimleri(c.b, c.k.Int(0)))));
    });
    IsKaydet(d, o, "KampanyaliVer2", [](IsCagrisi& c) {
        CariYetkisi(c.b, c.arayan, c.k.Int(0));
        c.k.Sonuc(Deger::Paket(StokTablosu(c.b, "WHERE s.KAMPANYA = 1 ORDER BY s.STOKNO LIMIT 1000", {},
                                           CariIndirimleri(c.b, c.k.Int(0)))));
    });
    IsKaydet(d, o, "ResimVer5", [](IsCagrisi& c) {
        auto resim =
            Metin(c.b.Tek("SELECT RESIM FROM stok_resimleri WHERE STOKNO = ?", {std::int64_t{c.k.Int(0)}}));
        c.k.Ata(1, Deger::Int64(static_cast<std::int64_t>(resim.size())));
        c.k.Sonuc(Deger::Akis(std::move(resim)));
    });
}

} // namespace rvz::sunucu
