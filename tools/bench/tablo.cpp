// A 1,000-row table of 35 columns across the wire: encode, send, decode, per call.
#include "olcum.h"

#include "proxim.h"
#include "tcp_baglanti.h"
#include "yerel_sunucu.h"

namespace rvz::bench {
namespace {

Tablo OrnekTablo(int satir) {
    Tablo t;
    for (int i = 0; i < 35; ++i)
        t.SutunEkle("S" + std::to_string(i), i % 3 == 0   ? SutunTuru::Integer
                                             : i % 3 == 1 ? SutunTuru::Double
                                                          : SutunTuru::WideText);
    for (int r = 0; r < satir; ++r) {
        auto& s = t.satirlar.emplace_back();
        for (int i = 0; i < 35; ++i) {
            if (i % 3 == 0)
                s.emplace_back(std::int64_t{r * 35 + i});
            else if (i % 3 == 1)
                s.emplace_back(r * 1.25 + i);
            else
                s.emplace_back("FREN BALATASI ÖN " + std::to_string(r));
        }
    }
    return t;
}

int TabloOlc(const Ayarlar& a) {
    sunucu::Dagitici dagitici;
    const auto tablo = Deger::Paket(OrnekTablo(1000));
    dagitici.Kaydet("YenilerVer2", [&](const sunucu::CagriBaglami&, sunucu::Konumlar& k) { k.Sonuc(tablo); });
    YerelSunucu sunucu(dagitici);
    const auto b = sunucu.Ayarlar();
    Yuklen("1000 satır × 35 sütunluk paket, her çağrıda yeni bağlantı, tek çağıran", 1, a.sure, [&] {
        TTcpBaglanti baglanti(b);
        baglanti.Ac();
        TServerMethods1Client istemci(&baglanti);
        if (istemci.YenilerVer2(1)->satirlar.size() != 1000)
            throw std::runtime_error("eksik satır");
    });
    return 0;
}

const Kayit kayit{{"tablo", "1000 × 35 tablonun gidiş dönüşü (sunucu süreç içinde)", TabloOlc}};

} // namespace
} // namespace rvz::bench
