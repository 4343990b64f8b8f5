// Stock search on a 100,000-item demo catalogue for a term matching about a thousand items:
// the server's own work (dispatch, query, prices, reply encoding), then the whole round
// trip with a new connection per call as the client makes it.
#include "olcum.h"

#include "baglantiu.h"
#include "demo.h"
#include "gunluk.h"
#include "is.h"
#include "proxim.h"
#include "sqlite_depo.h"
#include "tcp_baglanti.h"
#include "veriseti.h"
#include "verisetiislemleri.h"
#include "yerel_sunucu.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace rvz::bench {
namespace {

int StokAramaOlc(const Ayarlar& a) {
    sunucu::GunlukSessiz(true);
    const auto dosya =
        std::filesystem::temp_directory_path() / ("rvz-bench-" + std::to_string(::getpid()) + ".db");
    std::filesystem::remove(dosya);
    int sonuc = 0;
    {
        sunucu::SqliteDepo depo(dosya.string());
        std::printf("100.000 stokluk demo veritabanı hazırlanıyor...\n");
        sunucu::DemoDoldur(depo, {100000});
        sunucu::IsOrtami ortam{depo, {}};
        sunucu::Dagitici dagitici;
        sunucu::IsYontemleriniKaydet(dagitici, ortam);

        const std::string terim = "YAĞ FİLTRESİ";
        TSonucBilgisi bilgi;
        bilgi.CARINO = 1;
        Cagri cagri{"TServerMethods1.StokAraGetir",
                    {Deger::String(terim), Deger::Kayit(KayitJsonMetni(bilgi)), Deger::Bos()}};
        const sunucu::CagriBaglami baglam{a.makineId, "127.0.0.1"};
        std::printf("terim \"%s\": %zu baytlık yanıt\n", terim.c_str(),
                    dagitici.Yanitla(baglam, cagri).size());
        Gecikmeler sunucuda;
        const auto bitis = std::chrono::steady_clock::now() + a.sure;
        while (std::chrono::steady_clock::now() < bitis) {
            const auto t0 = std::chrono::steady_clock::now();
            dagitici.Yanitla(baglam, cagri);
            sunucuda.Ekle(
                std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - t0)
                    .count());
        }
        std::printf("sunucu tarafı StokAraGetir: %zu çağrı, medyan %.2f ms, p90 %.2f ms (hedef ≤ 5 ms)\n",
                    sunucuda.Sayi(), sunucuda.Yuzdelik(50), sunucuda.Yuzdelik(90));

        YerelSunucu sunucu(dagitici);
        const auto b = sunucu.Ayarlar(a.makineId);
        std::size_t satir = 0;
        // As the client does it: connect, call, copy the packet into the stock list's dataset.
        Yuklen("StokAraGetir gidiş dönüşü ve istemcinin veri setine kopya, her çağrıda yeni bağlantı "
               "(hedef medyan ≤ 20 ms)",
               1, a.sure, [&] {
                   TTcpBaglanti baglanti(b);
                   baglanti.Ac();
                   TServerMethods1Client istemci(&baglanti);
                   auto* kopya = new TSonucBilgisi(bilgi);
                   TVeriSeti stok;
                   stok.PaketAta(istemci.StokAraGetir(terim, kopya));
                   SayiBicimiVer(stok);
                   satir = static_cast<std::size_t>(stok.RecordCount());
               });
        std::printf("eşleşen satır: %zu\n", satir);
    }
    for (auto ek : {"", "-wal", "-shm"})
        std::filesystem::remove(dosya.string() + ek);
    return sonuc;
}

const Kayit kayit{
    {"stok-arama", "100.000 stokta ~1000 eşleşmeli arama (sunucu tarafı ve gidiş dönüş)", StokAramaOlc}};

} // namespace
} // namespace rvz::bench
