// TServerMethods1Client: one member function per remote method of TServerMethods1.
//
// Every member: the method's command is created and prepared on first use and kept for
// later calls on the same client; arguments are bound by wire position; out parameters
// and the result are read by position.
//
// Ownership with FInstanceOwner true (the usual form): record arguments are consumed by
// the call (pass a Kopyala copy, never the session record itself); readers, streams,
// JSON values and record results stay owned by the client until the same method is
// called again or the client is destroyed. With FInstanceOwner false, record arguments
// stay with the caller and every returned object is the caller's to delete.
#pragma once

#include "baglantiu.h"
#include "dbx.h"
#include "mobilstokunit.h"

#include <concepts>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rvz {

// Declared for the one member that takes it; callbacks are never carried.
class TDBXCallback {
public:
    virtual ~TDBXCallback() = default;
};

class TDSAdminClient {
public:
    // Raises when `baglanti` is null.
    TDSAdminClient(TDBXConnection* baglanti, bool instanceOwner);
    virtual ~TDSAdminClient() = default;
    TDSAdminClient(const TDSAdminClient&) = delete;
    TDSAdminClient& operator=(const TDSAdminClient&) = delete;

protected:
    TDBXConnection* FDBXConnection;
    bool FInstanceOwner;
};

class TServerMethods1Client : public TDSAdminClient {
public:
    explicit TServerMethods1Client(TDBXConnection* baglanti, bool instanceOwner = true);
    ~TServerMethods1Client() override;

    // The command slot of a member: null until its first call.
    TDBXCommand* Komut(std::string_view uye) const;

    void DSServerModuleCreate(TKayit* Sender);
    OleVariant StokAraGetir(const std::string& kod, TSonucBilgisi* bilgi);
    TDBXReader* StokAra(const std::string& kod, const std::string& carino, std::int32_t satici);
    TDBXReader* YenilerVer(std::int32_t carino);
    OleVariant YenilerVer2(std::int32_t carino);
    TDBXReader* YenilerVerMobile(std::int32_t carino);
    TDBXReader* KampanyaliVer(std::int32_t cario, std::int32_t satici);
    OleVariant KampanyaliVer2(std::int32_t cario, std::int32_t satici);
    TDBXReader* KampanyaliVermMobil(std::int32_t cario, std::int32_t satici);
    TStream* ResimVer5(std::int32_t stokno, std::int64_t& boy);
    TJSONArray* ResimVer6(std::int32_t stokno, std::int64_t& boy);
    std::string BuyukResimVer(std::int32_t stokno, std::int32_t& boy);
    std::string KucukResimVer(std::int32_t stokno);
    void HttpResimVer(std::int32_t stokno);
    std::int32_t KurlariAl(double& usd, double& eur);
    TDBXReader* DepartmanlariGetir();
    std::string DepartmanlariVer();
    std::string AnaGrupVer();
    std::string AltGrupVer(const std::string& anagrup);
    TMobilStoklar* MobilStokara(const std::string& kod, TSonucBilgisi* bilgi, std::int32_t neresi,
                                std::int32_t nekadar);
    TMobilStok* MobilStokNoAra(std::int32_t stokno, TSonucBilgisi* bilgi);
    std::int32_t MobilStokaraGeri(const std::string& kod, TSonucBilgisi* bilgi, std::int32_t neresi,
                                  std::int32_t nekadar, const TDBXCallback* geri);
    TMobilStoklar* MobilStokaraAdimli(const std::string& kod, TSonucBilgisi* bilgi, std::int32_t neresi,
                                      std::int32_t nekadar, std::int32_t ilk, std::int32_t Adet, bool& kalan,
                                      std::int32_t& toplam);
    void AramaGonderAl(TSonucBilgisi* b, const std::string& kod, std::int32_t Adet);
    std::string EchoString(const std::string& Value);
    std::string ReverseString(const std::string& Value);
    TDBXReader* SepetVer(std::int32_t carino);
    OleVariant SepetVer2(std::int32_t carino);
    TMobilSepetler* SepetMobilVer(std::int32_t carino);
    std::int32_t SepetEkle(TSonucBilgisi* bilgim, std::int32_t carino, std::int32_t stokno,
                           const std::string& barkod, const std::string& stokadi, double miktar, double kdv,
                           double fiyat, double indirim, std::int32_t verenid, std::int32_t k);
    std::int32_t SepetEkle2(TSonucBilgisi* bilgim, std::int32_t carino, std::int32_t stokno,
                            const std::string& barkod, const std::string& stokadi, double miktar, double kdv,
                            double fiyat, double ind1, std::int32_t verenid, std::int32_t k, double ind2,
                            double ind3, double ind4);
    std::int32_t SepetGuncelle(TSonucBilgisi* bilgim, std::int32_t carino, std::int32_t stokno,
                               const std::string& barkod, const std::string& stokadi, double miktar,
                               double kdv, double fiyat, double indirim, std::int32_t verenid,
                               std::int32_t _sepetsirano);
    std::int32_t SepetGuncelle2(TSonucBilgisi* bilgim, std::int32_t carino, std::int32_t stokno,
                                const std::string& barkod, const std::string& stokadi, double miktar,
                                double kdv, double fiyat, double ind1, std::int32_t verenid,
                                std::int32_t _sepetsirano, double ind2, double ind3, double ind4);
    std::int32_t SepetSatirSil(TSonucBilgisi* bilgi, std::int32_t satirno, const std::string& aciklamam);
    std::int32_t SepetHepsiniSil(TSonucBilgisi* bilgi);
    void SepetSecimGuncelle(std::int32_t sirano, std::int32_t secim);
    std::int32_t SepetSayisi(TSonucBilgisi* bil);
    TDBXReader* CariSepetVer(TSonucBilgisi* bil, std::int32_t n);
    bool SiparisKaydet(TSonucBilgisi* BB, std::int32_t _carino, std::int32_t _teslim, std::int32_t _kargo,
                       const std::string& _aciklama, std::int32_t _verenid, std::int32_t _kargoyeni);
    std::int32_t MobilSiparisKaydet(std::int32_t idnosu);
    std::string SiparisAlinirmi(std::int32_t carino);
    TDBXReader* TeslimVer();
    TDBXReader* KargoVer();
    TDBXReader* KargolarVer(std::int32_t gn);
    TTusSonuclari* TusSonuclariVer(TSonucBilgisi* bil);
    void CikisGonder(TSonucBilgisi* bilgi);
    std::string CariVadeGunGecmismiBul(std::int32_t carino);
    TDBXReader* OncekiSiparisler(std::int32_t carino);
    TDBXReader* OncekiSiparisler2(std::int32_t carino);
    TDBXReader* Oncekiler(std::int32_t carino);
    TDBXReader* SiparisAyrintisi(std::int32_t carino, std::int32_t idnosu);
    TDBXReader* SiparisAyrintisi2(std::int32_t carino, std::int32_t idnosu);
    TSiparisDipAyrinti* SiparisAytintisiDip(std::int32_t carino, std::int32_t siranosu);
    TDBXReader* TumSiparislerVer(std::int32_t carino, std::int32_t stokno);
    TDBXReader* CariEkstreVer(std::int32_t carino);
    TDBXReader* CariEkstreVer2(std::int32_t carino, double TARIH1, double TARIH2);
    TDBXReader* CariEkstreVer2Baslik(std::int32_t carino, double tarih1);
    TDBXReader* FaturaGetir(std::int32_t carino, std::int32_t idnosu);
    TDBXReader* FaturaAltGetir(std::int32_t idnosu);
    TDBXReader* Tahsilat(std::int32_t idnosu);
    std::int32_t SanalposSiranoVer(std::int32_t idnosu);
    TStream* SAnalPosPdfVer(std::int32_t sirano, std::int64_t& boy);
    TDBXReader* BakiyelerVer(std::int32_t carino);
    TDBXReader* BakiyelerVer2(std::int32_t carino);
    std::int32_t BakiyeDuzenle(TSonucBilgisi* k, std::int32_t stokno, std::int32_t sepetsirano,
                               std::int32_t siparissirano, double Adet, double Bakiye,
                               const std::string& barkod);
    std::int32_t BakiyeDegistir(TSonucBilgisi* k, std::int32_t stokno, std::int32_t sepetsirano,
                                std::int32_t siparissirano, double Adet, double Bakiye,
                                const std::string& barkod);
    std::int32_t BakiyeFiyatDegistir(TSonucBilgisi* k, std::int32_t stokno, std::int32_t sepetsirano,
                                     std::int32_t siparissirano, double Adet, double Bakiye,
                                     const std::string& barkod, double fiyat, double ind);
    TDBXReader* CariAra(TSonucBilgisi* bil, const std::string& aranan);
    TJSONArray* CarileriVer();
    std::string CariDurumVer(std::int32_t carino);
    TStream* RaporGetir(std::int32_t raporno, std::int32_t bolum, std::int32_t idno, std::int32_t carino,
                        const std::string& saticiadi, double tarih1, double tarih2, std::int64_t& size);
    TDBXReader* RaporAlinanSiparisler(TSonucBilgisi* bilgi, double tarih1, double tarih2);
    TDBXReader* RaporEnCokSatilanStoklar(TSonucBilgisi* bilgi, double tarih1, double tarih2);
    TStream* BelgeIndir(std::int32_t sirano, std::int64_t& size, std::string& adi);
    TStream* BelgeIndir2(std::int32_t sirano, std::int64_t& size, std::string& adi, TSonucBilgisi* bilgi);
    TStream* DosyaIndir(std::int64_t& size);
    TDBXReader* DosyaListesi();
    TDBXReader* DosyaListesi2();
    std::string KayanYaziGetir();
    TDBXReader* BalonGetir(TSonucBilgisi* bil);
    std::int32_t BalonGetir2(std::int32_t carino, std::int32_t& sepet, std::int32_t& yenistok,
                             std::int32_t& kampnayali, std::int32_t& duyuru, std::int32_t& Bakiye,
                             std::int32_t& dosya);
    TDBXReader* DuyuruVer();
    TDBXReader* DuyuruVer2();
    TAcilisEkranlar* AcilisEkranlarVer();
    TAcilisEkranlariki* AcilisEkranlarVer2();
    TDBXReader* AcilisEkranlariVerData();
    TStream* BannerResimVer(std::int64_t& size);
    TStream* BannerResimVer2(std::int64_t& size);
    TStream* BannerResimVer3(std::int64_t& size);
    std::int32_t AcilisReklamAdet();
    TAcilisEkran* AcilisREklamVer(std::int32_t sira);
    std::int32_t MailGonserCari(const std::string& idsi, const std::string& baslik,
                                const std::string& firmaadi, const std::string& adres1,
                                const std::string& adres2, const std::string& ilce, const std::string& sehir,
                                const std::string& telefon, const std::string& fax, const std::string& vd,
                                const std::string& vn, const std::string& yetkili,
                                const std::string& kullaniciadi, const std::string& sifre,
                                const std::string& mail, const std::string& kargoambar);
    std::int32_t MailGonserCariNormal(const std::string& idsi, const std::string& baslik,
                                      const std::string& firmaadi, const std::string& adres1,
                                      const std::string& adres2, const std::string& ilce,
                                      const std::string& sehir, const std::string& telefon,
                                      const std::string& fax, const std::string& vd, const std::string& vn,
                                      const std::string& yetkili, const std::string& kullaniciadi,
                                      const std::string& sifre, const std::string& mail,
                                      const std::string& kargoambar, const std::string& konu);
    TMobilCariBilgisi* MobilCariBilgisiGetir(std::int32_t sirano, const std::string& _idsi);
    bool SifremiUnuttum(const std::string& idsi, std::int32_t& mailvarmi);
    TSonucBilgisi* BuyukGetir(const std::string& idsi);

private:
    template <class T> struct Cikis_ { T& hedef; };
    template <class T> static Cikis_<T> Cikis(T& hedef) { return {hedef}; }

    TDBXCommand& KomutHazirla(std::string_view uye);

    void Bagla(TDBXCommand& k, int i, std::int32_t v);
    void Bagla(TDBXCommand& k, int i, double v);
    void Bagla(TDBXCommand& k, int i, bool v);
    void Bagla(TDBXCommand& k, int i, const std::string& v);
    void Bagla(TDBXCommand& k, int i, const TDBXCallback* v);
    void KayitBagla(TDBXCommand& k, int i, TKayit* v);
    template <class K>
    requires std::derived_from<K, TKayit>
    void Bagla(TDBXCommand& k, int i, K* v) { KayitBagla(k, i, v); }
    template <class T> void Bagla(TDBXCommand& k, int i, Cikis_<T>) { CiktiDenetle(k, i); }
    void CiktiDenetle(TDBXCommand& k, int i);

    template <class T> static void Oku(TDBXCommand&, int, const T&) {}
    static void Oku(TDBXCommand& k, int i, Cikis_<std::int32_t> c);
    static void Oku(TDBXCommand& k, int i, Cikis_<std::int64_t> c);
    static void Oku(TDBXCommand& k, int i, Cikis_<double> c);
    static void Oku(TDBXCommand& k, int i, Cikis_<bool> c);
    static void Oku(TDBXCommand& k, int i, Cikis_<std::string> c);

    template <class... A> TDBXCommand& Cagir(std::string_view uye, A&&... argumanlar) {
        auto& k = KomutHazirla(uye);
        ArgumanSayisiDenetle(k, sizeof...(A));
        int i = 0;
        (Bagla(k, i++, argumanlar), ...);
        k.ExecuteUpdate();
        i = 0;
        (Oku(k, i++, argumanlar), ...);
        return k;
    }
    static void ArgumanSayisiDenetle(TDBXCommand& k, std::size_t n);

    static TDBXParameter& SonucParametresi(TDBXCommand& k);
    static std::int32_t SonucInteger(TDBXCommand& k);
    static bool SonucBoolean(TDBXCommand& k);
    static double SonucDouble(TDBXCommand& k);
    static std::string SonucString(TDBXCommand& k);
    static OleVariant SonucPaket(TDBXCommand& k);
    TDBXReader* SonucOkuyucu(TDBXCommand& k);
    TStream* SonucAkis(TDBXCommand& k);
    TJSONArray* SonucJson(TDBXCommand& k);
    std::unique_ptr<TKayit> SonucKayitCoz(TDBXCommand& k);
    template <class K> K* SonucKayit(TDBXCommand& k) {
        auto kayit = SonucKayitCoz(k);
        if (!kayit)
            return nullptr;
        auto* ham = static_cast<K*>(kayit.get());
        if (FInstanceOwner)
            k.FreeOnExecute(std::move(kayit));
        else
            kayit.release();
        return ham;
    }

    std::vector<std::unique_ptr<TDBXCommand>> komutlar_; // one slot per catalogue member
};

} // namespace rvz
