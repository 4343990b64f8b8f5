// A trivial call with a new connection per call: connect, hello, EchoString, close.
#include "olcum.h"

#include "proxim.h"
#include "tcp_baglanti.h"
#include "temel_yontemler.h"
#include "yerel_sunucu.h"

namespace rvz::bench {
namespace {

int EchoOlc(const Ayarlar& a) {
    sunucu::Dagitici dagitici;
    sunucu::TemelYontemleriKaydet(dagitici);
    std::unique_ptr<YerelSunucu> sunucu;
    BaglantiAyarlari b;
    b.host = a.host;
    b.port = a.port;
    b.makineId = a.makineId;
    if (a.port == 0) {
        sunucu = std::make_unique<YerelSunucu>(dagitici);
        b.port = sunucu->Ayarlar().port;
    }
    Yuklen("EchoString, her çağrıda yeni bağlantı (" + b.host + ":" + std::to_string(b.port) + ")",
           a.cagiranlar, a.sure, [&] {
               TTcpBaglanti baglanti(b);
               baglanti.Ac();
               TServerMethods1Client istemci(&baglanti);
               if (istemci.EchoString("merhaba") != "merhaba")
                   throw std::runtime_error("yanlış cevap");
           });
    return 0;
}

const Kayit kayit{{"echo", "EchoString, her çağrıda yeni bağlantı", EchoOlc}};

} // namespace
} // namespace rvz::bench
