#include "cari_cagrilari.h"

#include "proxim.h"

namespace rvz::sales {

namespace {

// Opens a connection of its own and lets `cagri` use a client on it; the client goes first, then
// the connection closes with its object.
template <class F> auto Cagir(const CagriOrtami& ortam, F cagri) {
    app::TBaglanti baglanti(ortam.ayarlar);
    baglanti.Ac();
    TServerMethods1Client istemci(baglanti.DBXConnection());
    return cagri(istemci);
}

// A copy of the session for one call, which the call consumes.
TSonucBilgisi* OturumKopyasi(const CagriOrtami& ortam) {
    auto* kopya = new TSonucBilgisi;
    kopya->Kopyala(ortam.oturum);
    return kopya;
}

std::unique_ptr<TVeriSeti> Doldur(TDBXReader* okuyucu) {
    if (!okuyucu)
        throw UzakHata("Sunucu cari listesi göndermedi.");
    auto veri = std::make_unique<TVeriSeti>();
    veri->OkuyucudanDoldur(*okuyucu);
    return veri;
}

} // namespace

std::unique_ptr<TVeriSeti> CarileriAra(const CagriOrtami& ortam, const std::string& aranan) {
    return Cagir(ortam,
                 [&](TServerMethods1Client& c) { return Doldur(c.CariAra(OturumKopyasi(ortam), aranan)); });
}

std::unique_ptr<TVeriSeti> DurumdakiCariler(const CagriOrtami& ortam, int n) {
    return Cagir(ortam,
                 [&](TServerMethods1Client& c) { return Doldur(c.CariSepetVer(OturumKopyasi(ortam), n)); });
}

int SepettekiCariSayisi(const CagriOrtami& ortam) {
    return Cagir(ortam, [&](TServerMethods1Client& c) { return c.SepetSayisi(OturumKopyasi(ortam)); });
}

TTusSonuclari DurumSayilari(const CagriOrtami& ortam) {
    return Cagir(ortam, [&](TServerMethods1Client& c) {
        const auto* sonuc = c.TusSonuclariVer(OturumKopyasi(ortam));
        if (!sonuc)
            throw UzakHata("Sunucu sipariş sayılarını göndermedi.");
        TTusSonuclari sayilar;
        sayilar.Kopyala(*sonuc);
        return sayilar;
    });
}

} // namespace rvz::sales
