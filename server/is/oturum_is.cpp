// The login lookup and the access check that runs before every member.
#include "baglantiu.h"
#include "is.h"

namespace rvz::sunucu {

void OturumYontemleriniKaydet(Dagitici& d, IsOrtami& o) {
    d.Kaydet("BuyukGetir", [&o](const CagriBaglami& baglam, Konumlar& k) {
        TSonucBilgisi s;
        s.BILGISAYARID = k.Metin(0);
        s.Version = o.ayarlar.beklenenSurum;
        // Only the machine itself learns its registration: asking for another machine's
        // identifier answers as for an unknown machine.
        if (k.Metin(0) != baglam.makineId) {
            k.Sonuc(Deger::Kayit(KayitJsonMetni(s)));
            return;
        }
        auto b = o.depo.Al();
        auto r = b->Sorgula(
            "SELECT u.SIRANO, u.ADI, u.SIFRE, u.AKTIF, u.MUSTERITIPI, u.MAIL, COALESCE(c.CARINO, 0), "
            "COALESCE(c.CARIKOD, ''), COALESCE(c.CARIADI, ''), COALESCE(st.SATICINO, 0), COALESCE(st.ADI, "
            "''), "
            "COALESCE(st.TELEFON, ''), COALESCE(st.MAIL, '') FROM makineler m "
            "JOIN kullanicilar u ON u.SIRANO = m.KULLANICI LEFT JOIN cariler c ON c.CARINO = u.CARINO "
            "LEFT JOIN saticilar st ON st.SATICINO = COALESCE(u.SATICINO, c.SATICINO) WHERE m.BILGISAYARID = "
            "?",
            {k.Metin(0)});
        if (!r.Bos()) {
            const auto& v = r.satirlar[0];
            s.Varmi = true;
            s.Sirano = static_cast<std::int32_t>(Sayi(v[0]));
            s.ADI = Metin(v[1]);
            s.SIFRE = Metin(v[2]);
            s.AKTIF = static_cast<std::int32_t>(Sayi(v[3]));
            s.MusteriTipi = static_cast<std::int32_t>(Sayi(v[4]));
            s.Kullanicimail = Metin(v[5]);
            s.CARINO = static_cast<std::int32_t>(Sayi(v[6]));
            s.carikod = Metin(v[7]);
            s.CariAdi = Metin(v[8]);
            s.SaticiNo = static_cast<std::int32_t>(Sayi(v[9]));
            s.SaticiAdi = Metin(v[10]);
            s.SaticiTelefon = Metin(v[11]);
            s.SaticiMail = Metin(v[12]);
        }
        k.Sonuc(Deger::Kayit(KayitJsonMetni(s)));
    });
}

void IsYontemleriniKaydet(Dagitici& d, IsOrtami& o) {
    OturumYontemleriniKaydet(d, o);
    KatalogYontemleriniKaydet(d, o);
    SepetYontemleriniKaydet(d, o);
    SiparisYontemleriniKaydet(d, o);
    CariYontemleriniKaydet(d, o);
    RaporYontemleriniKaydet(d, o);
    IcerikYontemleriniKaydet(d, o);
    d.YetkiDenetcisi([&o](const CagriBaglami& baglam, const Uye& uye) {
        if (uye.ad == "BuyukGetir" || uye.ad == "EchoString" || uye.ad == "ReverseString")
            return;
        auto b = o.depo.Al();
        if (!ArayanBul(*b, baglam.makineId))
            throw IsHatasi("Bu bilgisayar kayıtlı değil; önce kayıt isteği gönderin.");
    });
}

} // namespace rvz::sunucu
