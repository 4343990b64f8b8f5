#include "proxim.h"

namespace rvz {

TDSAdminClient::TDSAdminClient(TDBXConnection* baglanti, bool instanceOwner)
    : FDBXConnection(baglanti), FInstanceOwner(instanceOwner) {
    if (!baglanti)
        throw UzakHata("Connection cannot be nil.  Make sure the connection has been opened.");
}

TServerMethods1Client::TServerMethods1Client(TDBXConnection* baglanti, bool instanceOwner)
    : TDSAdminClient(baglanti, instanceOwner), komutlar_(Katalog().size()) {}

// Releasing the commands releases every result they still own.
TServerMethods1Client::~TServerMethods1Client() = default;

TDBXCommand* TServerMethods1Client::Komut(std::string_view uye) const {
    const int no = UyeNo(uye);
    return no < 0 ? nullptr : komutlar_[static_cast<std::size_t>(no)].get();
}

TDBXCommand& TServerMethods1Client::KomutHazirla(std::string_view uye) {
    const int no = UyeNo(uye);
    if (no < 0)
        throw UzakHata("Bilinmeyen uzak yöntem: " + std::string(uye));
    auto& yuva = komutlar_[static_cast<std::size_t>(no)];
    if (!yuva) {
        auto komut = FDBXConnection->CreateCommand();
        komut->CommandType = std::string(kKomutTuru);
        komut->Text = std::string(kSinifOnEki) + std::string(uye);
        komut->Prepare();
        yuva = std::move(komut);
    }
    return *yuva;
}

namespace {
void TurDenetle(TDBXCommand& k, int i, DegerTuru tur, Yon yon) {
    const auto& t = k.Parameter(i).Tanim();
    if (t.tur != tur || t.yon != yon)
        throw UzakHata(k.Text + ": " + std::to_string(i) + ". parametre " + std::string(t.ad) + " " +
                       std::string(DegerTuruAdi(t.tur)) + " olarak bildirildi");
}
} // namespace

void TServerMethods1Client::ArgumanSayisiDenetle(TDBXCommand& k, std::size_t n) {
    if (n != k.Uyesi().parametreler.size())
        throw UzakHata(k.Text + ": " + std::to_string(k.Uyesi().parametreler.size()) +
                       " parametre bekleniyor");
}

void TServerMethods1Client::Bagla(TDBXCommand& k, int i, std::int32_t v) {
    TurDenetle(k, i, DegerTuru::Integer, Yon::Girdi);
    k.Parameter(i).Value().SetInt32(v);
}
void TServerMethods1Client::Bagla(TDBXCommand& k, int i, double v) {
    TurDenetle(k, i, DegerTuru::Double, Yon::Girdi);
    k.Parameter(i).Value().SetDouble(v);
}
void TServerMethods1Client::Bagla(TDBXCommand& k, int i, bool v) {
    TurDenetle(k, i, DegerTuru::Boolean, Yon::Girdi);
    k.Parameter(i).Value().SetBoolean(v);
}
void TServerMethods1Client::Bagla(TDBXCommand& k, int i, const std::string& v) {
    TurDenetle(k, i, DegerTuru::String, Yon::Girdi);
    k.Parameter(i).Value().SetWideString(v);
}
void TServerMethods1Client::Bagla(TDBXCommand& k, int i, const TDBXCallback* v) {
    TurDenetle(k, i, DegerTuru::Callback, Yon::Girdi);
    if (v)
        k.Parameter(i).Value().SetCallbackValue("geri");
    else
        k.Parameter(i).Value().SetNull();
}
void TServerMethods1Client::CiktiDenetle(TDBXCommand& k, int i) {
    if (k.Parameter(i).Tanim().yon != Yon::Cikti)
        throw UzakHata(k.Text + ": " + std::to_string(i) + ". parametre bir çıktı değil");
}

void TServerMethods1Client::KayitBagla(TDBXCommand& k, int i, TKayit* v) {
    TurDenetle(k, i, DegerTuru::Kayit, Yon::Girdi);
    auto& deger = k.Parameter(i).Value();
    if (!v) {
        deger.SetNull();
        return;
    }
    int id = 1;
    deger.SetJSONValue(std::make_unique<TJSONValue>(KayitJson(*v, id)));
    if (FInstanceOwner)
        delete v; // the call consumes its record arguments
}

void TServerMethods1Client::Oku(TDBXCommand& k, int i, Cikis_<std::int32_t> c) {
    c.hedef = k.Parameter(i).Value().GetInt32();
}
void TServerMethods1Client::Oku(TDBXCommand& k, int i, Cikis_<std::int64_t> c) {
    c.hedef = k.Parameter(i).Value().GetInt64();
}
void TServerMethods1Client::Oku(TDBXCommand& k, int i, Cikis_<double> c) {
    c.hedef = k.Parameter(i).Value().GetDouble();
}
void TServerMethods1Client::Oku(TDBXCommand& k, int i, Cikis_<bool> c) {
    c.hedef = k.Parameter(i).Value().GetBoolean();
}
void TServerMethods1Client::Oku(TDBXCommand& k, int i, Cikis_<std::string> c) {
    c.hedef = k.Parameter(i).Value().GetWideString();
}

TDBXParameter& TServerMethods1Client::SonucParametresi(TDBXCommand& k) {
    return k.Parameter(k.Uyesi().SonucKonumu());
}
std::int32_t TServerMethods1Client::SonucInteger(TDBXCommand& k) {
    return SonucParametresi(k).Value().GetInt32();
}
bool TServerMethods1Client::SonucBoolean(TDBXCommand& k) {
    return SonucParametresi(k).Value().GetBoolean();
}
double TServerMethods1Client::SonucDouble(TDBXCommand& k) {
    return SonucParametresi(k).Value().GetDouble();
}
std::string TServerMethods1Client::SonucString(TDBXCommand& k) {
    return SonucParametresi(k).Value().GetWideString();
}
OleVariant TServerMethods1Client::SonucPaket(TDBXCommand& k) {
    return SonucParametresi(k).Value().GetAsVariant();
}
TDBXReader* TServerMethods1Client::SonucOkuyucu(TDBXCommand& k) {
    return SonucParametresi(k).Value().GetDBXReader(FInstanceOwner);
}
TStream* TServerMethods1Client::SonucAkis(TDBXCommand& k) {
    return SonucParametresi(k).Value().GetStream(FInstanceOwner);
}
TJSONArray* TServerMethods1Client::SonucJson(TDBXCommand& k) {
    return SonucParametresi(k).Value().GetJSONValue(FInstanceOwner);
}

std::unique_ptr<TKayit> TServerMethods1Client::SonucKayitCoz(TDBXCommand& k) {
    auto& deger = SonucParametresi(k).Value();
    if (deger.IsNull())
        return nullptr;
    const auto& json = deger.GetJSONValue(true)->Deger();
    try {
        return KayitNesnedenCoz(json, k.Uyesi().sonucSinifi);
    } catch (const KayitHatasi& e) {
        throw UzakHata(k.Text + ": sunucunun gönderdiği kayıt okunamadı: " + e.what());
    }
}

void TServerMethods1Client::DSServerModuleCreate(TKayit* Sender) {
    Cagir("DSServerModuleCreate", Sender);
}

OleVariant TServerMethods1Client::StokAraGetir(const std::string& kod, TSonucBilgisi* bilgi) {
    return SonucPaket(Cagir("StokAraGetir", kod, bilgi));
}

TDBXReader* TServerMethods1Client::StokAra(const std::string& kod, const std::string& carino,
                                           std::int32_t satici) {
    return SonucOkuyucu(Cagir("StokAra", kod, carino, satici));
}

TDBXReader* TServerMethods1Client::YenilerVer(std::int32_t carino) {
    return SonucOkuyucu(Cagir("YenilerVer", carino));
}

OleVariant TServerMethods1Client::YenilerVer2(std::int32_t carino) {
    return SonucPaket(Cagir("YenilerVer2", carino));
}

TDBXReader* TServerMethods1Client::YenilerVerMobile(std::int32_t carino) {
    return SonucOkuyucu(Cagir("YenilerVerMobile", carino));
}

TDBXReader* TServerMethods1Client::KampanyaliVer(std::int32_t cario, std::int32_t satici) {
    return SonucOkuyucu(Cagir("KampanyaliVer", cario, satici));
}

OleVariant TServerMethods1Client::KampanyaliVer2(std::int32_t cario, std::int32_t satici) {
    return SonucPaket(Cagir("KampanyaliVer2", cario, satici));
}

TDBXReader* TServerMethods1Client::KampanyaliVermMobil(std::int32_t cario, std::int32_t satici) {
    return SonucOkuyucu(Cagir("KampanyaliVermMobil", cario, satici));
}

TStream* TServerMethods1Client::ResimVer5(std::int32_t stokno, std::int64_t& boy) {
    return SonucAkis(Cagir("ResimVer5", stokno, Cikis(boy)));
}

TJSONArray* TServerMethods1Client::ResimVer6(std::int32_t stokno, std::int64_t& boy) {
    return SonucJson(Cagir("ResimVer6", stokno, Cikis(boy)));
}

std::string TServerMethods1Client::BuyukResimVer(std::int32_t stokno, std::int32_t& boy) {
    return SonucString(Cagir("BuyukResimVer", stokno, Cikis(boy)));
}

std::string TServerMethods1Client::KucukResimVer(std::int32_t stokno) {
    return SonucString(Cagir("KucukResimVer", stokno));
}

void TServerMethods1Client::HttpResimVer(std::int32_t stokno) {
    Cagir("HttpResimVer", stokno);
}

std::int32_t TServerMethods1Client::KurlariAl(double& usd, double& eur) {
    return SonucInteger(Cagir("KurlariAl", Cikis(usd), Cikis(eur)));
}

TDBXReader* TServerMethods1Client::DepartmanlariGetir() {
    return SonucOkuyucu(Cagir("DepartmanlariGetir"));
}

std::string TServerMethods1Client::DepartmanlariVer() {
    return SonucString(Cagir("DepartmanlariVer"));
}

std::string TServerMethods1Client::AnaGrupVer() {
    return SonucString(Cagir("AnaGrupVer"));
}

std::string TServerMethods1Client::AltGrupVer(const std::string& anagrup) {
    return SonucString(Cagir("AltGrupVer", anagrup));
}

TMobilStoklar* TServerMethods1Client::MobilStokara(const std::string& kod, TSonucBilgisi* bilgi,
                                                   std::int32_t neresi, std::int32_t nekadar) {
    return SonucKayit<TMobilStoklar>(Cagir("MobilStokara", kod, bilgi, neresi, nekadar));
}

TMobilStok* TServerMethods1Client::MobilStokNoAra(std::int32_t stokno, TSonucBilgisi* bilgi) {
    return SonucKayit<TMobilStok>(Cagir("MobilStokNoAra", stokno, bilgi));
}

std::int32_t TServerMethods1Client::MobilStokaraGeri(const std::string& kod, TSonucBilgisi* bilgi,
                                                     std::int32_t neresi, std::int32_t nekadar,
                                                     const TDBXCallback* geri) {
    return SonucInteger(Cagir("MobilStokaraGeri", kod, bilgi, neresi, nekadar, geri));
}

TMobilStoklar* TServerMethods1Client::MobilStokaraAdimli(const std::string& kod, TSonucBilgisi* bilgi,
                                                         std::int32_t neresi, std::int32_t nekadar,
                                                         std::int32_t ilk, std::int32_t Adet, bool& kalan,
                                                         std::int32_t& toplam) {
    return SonucKayit<TMobilStoklar>(
        Cagir("MobilStokaraAdimli", kod, bilgi, neresi, nekadar, ilk, Adet, Cikis(kalan), Cikis(toplam)));
}

void TServerMethods1Client::AramaGonderAl(TSonucBilgisi* b, const std::string& kod, std::int32_t Adet) {
    Cagir("AramaGonderAl", b, kod, Adet);
}

std::string TServerMethods1Client::EchoString(const std::string& Value) {
    return SonucString(Cagir("EchoString", Value));
}

std::string TServerMethods1Client::ReverseString(const std::string& Value) {
    return SonucString(Cagir("ReverseString", Value));
}

TDBXReader* TServerMethods1Client::SepetVer(std::int32_t carino) {
    return SonucOkuyucu(Cagir("SepetVer", carino));
}

OleVariant TServerMethods1Client::SepetVer2(std::int32_t carino) {
    return SonucPaket(Cagir("SepetVer2", carino));
}

TMobilSepetler* TServerMethods1Client::SepetMobilVer(std::int32_t carino) {
    return SonucKayit<TMobilSepetler>(Cagir("SepetMobilVer", carino));
}

std::int32_t TServerMethods1Client::SepetEkle(TSonucBilgisi* bilgim, std::int32_t carino, std::int32_t stokno,
                                              const std::string& barkod, const std::string& stokadi,
                                              double miktar, double kdv, double fiyat, double indirim,
                                              std::int32_t verenid, std::int32_t k) {
    return SonucInteger(
        Cagir("SepetEkle", bilgim, carino, stokno, barkod, stokadi, miktar, kdv, fiyat, indirim, verenid, k));
}

std::int32_t TServerMethods1Client::SepetEkle2(TSonucBilgisi* bilgim, std::int32_t carino,
                                               std::int32_t stokno, const std::string& barkod,
                                               const std::string& stokadi, double miktar, double kdv,
                                               double fiyat, double ind1, std::int32_t verenid,
                                               std::int32_t k, double ind2, double ind3, double ind4) {
    return SonucInteger(Cagir("SepetEkle2", bilgim, carino, stokno, barkod, stokadi, miktar, kdv, fiyat, ind1,
                              verenid, k, ind2, ind3, ind4));
}

std::int32_t TServerMethods1Client::SepetGuncelle(TSonucBilgisi* bilgim, std::int32_t carino,
                                                  std::int32_t stokno, const std::string& barkod,
                                                  const std::string& stokadi, double miktar, double kdv,
                                                  double fiyat, double indirim, std::int32_t verenid,
                                                  std::int32_t _sepetsirano) {
    return SonucInteger(Cagir("SepetGuncelle", bilgim, carino, stokno, barkod, stokadi, miktar, kdv, fiyat,
                              indirim, verenid, _sepetsirano));
}

std::int32_t TServerMethods1Client::SepetGuncelle2(TSonucBilgisi* bilgim, std::int32_t carino,
                                                   std::int32_t stokno, const std::string& barkod,
                                                   const std::string& stokadi, double miktar, double kdv,
                                                   double fiyat, double ind1, std::int32_t verenid,
                                                   std::int32_t _sepetsirano, double ind2, double ind3,
                                                   double ind4) {
    return SonucInteger(Cagir("SepetGuncelle2", bilgim, carino, stokno, barkod, stokadi, miktar, kdv, fiyat,
                              ind1, verenid, _sepetsirano, ind2, ind3, ind4));
}

std::int32_t TServerMethods1Client::SepetSatirSil(TSonucBilgisi* bilgi, std::int32_t satirno,
                                                  const std::string& aciklamam) {
    return SonucInteger(Cagir("SepetSatirSil", bilgi, satirno, aciklamam));
}

std::int32_t TServerMethods1Client::SepetHepsiniSil(TSonucBilgisi* bilgi) {
    return SonucInteger(Cagir("SepetHepsiniSil", bilgi));
}

void TServerMethods1Client::SepetSecimGuncelle(std::int32_t sirano, std::int32_t secim) {
    Cagir("SepetSecimGuncelle", sirano, secim);
}

std::int32_t TServerMethods1Client::SepetSayisi(TSonucBilgisi* bil) {
    return SonucInteger(Cagir("SepetSayisi", bil));
}

TDBXReader* TServerMethods1Client::CariSepetVer(TSonucBilgisi* bil, std::int32_t n) {
    return SonucOkuyucu(Cagir("CariSepetVer", bil, n));
}

bool TServerMethods1Client::SiparisKaydet(TSonucBilgisi* BB, std::int32_t _carino, std::int32_t _teslim,
                                          std::int32_t _kargo, const std::string& _aciklama,
                                          std::int32_t _verenid, std::int32_t _kargoyeni) {
    return SonucBoolean(
        Cagir("SiparisKaydet", BB, _carino, _teslim, _kargo, _aciklama, _verenid, _kargoyeni));
}

std::int32_t TServerMethods1Client::MobilSiparisKaydet(std::int32_t idnosu) {
    return SonucInteger(Cagir("MobilSiparisKaydet", idnosu));
}

std::string TServerMethods1Client::SiparisAlinirmi(std::int32_t carino) {
    return SonucString(Cagir("SiparisAlinirmi", carino));
}

TDBXReader* TServerMethods1Client::TeslimVer() {
    return SonucOkuyucu(Cagir("TeslimVer"));
}

TDBXReader* TServerMethods1Client::KargoVer() {
    return SonucOkuyucu(Cagir("KargoVer"));
}

TDBXReader* TServerMethods1Client::KargolarVer(std::int32_t gn) {
    return SonucOkuyucu(Cagir("KargolarVer", gn));
}

TTusSonuclari* TServerMethods1Client::TusSonuclariVer(TSonucBilgisi* bil) {
    return SonucKayit<TTusSonuclari>(Cagir("TusSonuclariVer", bil));
}

void TServerMethods1Client::CikisGonder(TSonucBilgisi* bilgi) {
    Cagir("CikisGonder", bilgi);
}

std::string TServerMethods1Client::CariVadeGunGecmismiBul(std::int32_t carino) {
    return SonucString(Cagir("CariVadeGunGecmismiBul", carino));
}

TDBXReader* TServerMethods1Client::OncekiSiparisler(std::int32_t carino) {
    return SonucOkuyucu(Cagir("OncekiSiparisler", carino));
}

TDBXReader* TServerMethods1Client::OncekiSiparisler2(std::int32_t carino) {
    return SonucOkuyucu(Cagir("OncekiSiparisler2", carino));
}

TDBXReader* TServerMethods1Client::Oncekiler(std::int32_t carino) {
    return SonucOkuyucu(Cagir("Oncekiler", carino));
}

TDBXReader* TServerMethods1Client::SiparisAyrintisi(std::int32_t carino, std::int32_t idnosu) {
    return SonucOkuyucu(Cagir("SiparisAyrintisi", carino, idnosu));
}

TDBXReader* TServerMethods1Client::SiparisAyrintisi2(std::int32_t carino, std::int32_t idnosu) {
    return SonucOkuyucu(Cagir("SiparisAyrintisi2", carino, idnosu));
}

TSiparisDipAyrinti* TServerMethods1Client::SiparisAytintisiDip(std::int32_t carino, std::int32_t siranosu) {
    return SonucKayit<TSiparisDipAyrinti>(Cagir("SiparisAytintisiDip", carino, siranosu));
}

TDBXReader* TServerMethods1Client::TumSiparislerVer(std::int32_t carino, std::int32_t stokno) {
    return SonucOkuyucu(Cagir("TumSiparislerVer", carino, stokno));
}

TDBXReader* TServerMethods1Client::CariEkstreVer(std::int32_t carino) {
    return SonucOkuyucu(Cagir("CariEkstreVer", carino));
}

TDBXReader* TServerMethods1Client::CariEkstreVer2(std::int32_t carino, double TARIH1, double TARIH2) {
    return SonucOkuyucu(Cagir("CariEkstreVer2", carino, TARIH1, TARIH2));
}

TDBXReader* TServerMethods1Client::CariEkstreVer2Baslik(std::int32_t carino, double tarih1) {
    return SonucOkuyucu(Cagir("CariEkstreVer2Baslik", carino, tarih1));
}

TDBXReader* TServerMethods1Client::FaturaGetir(std::int32_t carino, std::int32_t idnosu) {
    return SonucOkuyucu(Cagir("FaturaGetir", carino, idnosu));
}

TDBXReader* TServerMethods1Client::FaturaAltGetir(std::int32_t idnosu) {
    return SonucOkuyucu(Cagir("FaturaAltGetir", idnosu));
}

TDBXReader* TServerMethods1Client::Tahsilat(std::int32_t idnosu) {
    return SonucOkuyucu(Cagir("Tahsilat", idnosu));
}

std::int32_t TServerMethods1Client::SanalposSiranoVer(std::int32_t idnosu) {
    return SonucInteger(Cagir("SanalposSiranoVer", idnosu));
}

TStream* TServerMethods1Client::SAnalPosPdfVer(std::int32_t sirano, std::int64_t& boy) {
    return SonucAkis(Cagir("SAnalPosPdfVer", sirano, Cikis(boy)));
}

TDBXReader* TServerMethods1Client::BakiyelerVer(std::int32_t carino) {
    return SonucOkuyucu(Cagir("BakiyelerVer", carino));
}

TDBXReader* TServerMethods1Client::BakiyelerVer2(std::int32_t carino) {
    return SonucOkuyucu(Cagir("BakiyelerVer2", carino));
}

std::int32_t TServerMethods1Client::BakiyeDuzenle(TSonucBilgisi* k, std::int32_t stokno,
                                                  std::int32_t sepetsirano, std::int32_t siparissirano,
                                                  double Adet, double Bakiye, const std::string& barkod) {
    return SonucInteger(Cagir("BakiyeDuzenle", k, stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod));
}

std::int32_t TServerMethods1Client::BakiyeDegistir(TSonucBilgisi* k, std::int32_t stokno,
                                                   std::int32_t sepetsirano, std::int32_t siparissirano,
                                                   double Adet, double Bakiye, const std::string& barkod) {
    return SonucInteger(Cagir("BakiyeDegistir", k, stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod));
}

std::int32_t TServerMethods1Client::BakiyeFiyatDegistir(TSonucBilgisi* k, std::int32_t stokno,
                                                        std::int32_t sepetsirano, std::int32_t siparissirano,
                                                        double Adet, double Bakiye, const std::string& barkod,
                                                        double fiyat, double ind) {
    return SonucInteger(Cagir("BakiyeFiyatDegistir", k, stokno, sepetsirano, siparissirano, Adet, Bakiye,
                              barkod, fiyat, ind));
}

TDBXReader* TServerMethods1Client::CariAra(TSonucBilgisi* bil, const std::string& aranan) {
    return SonucOkuyucu(Cagir("CariAra", bil, aranan));
}

TJSONArray* TServerMethods1Client::CarileriVer() {
    return SonucJson(Cagir("CarileriVer"));
}

std::string TServerMethods1Client::CariDurumVer(std::int32_t carino) {
    return SonucString(Cagir("CariDurumVer", carino));
}

TStream* TServerMethods1Client::RaporGetir(std::int32_t raporno, std::int32_t bolum, std::int32_t idno,
                                           std::int32_t carino, const std::string& saticiadi, double tarih1,
                                           double tarih2, std::int64_t& size) {
    return SonucAkis(
        Cagir("RaporGetir", raporno, bolum, idno, carino, saticiadi, tarih1, tarih2, Cikis(size)));
}

TDBXReader* TServerMethods1Client::RaporAlinanSiparisler(TSonucBilgisi* bilgi, double tarih1, double tarih2) {
    return SonucOkuyucu(Cagir("RaporAlinanSiparisler", bilgi, tarih1, tarih2));
}

TDBXReader* TServerMethods1Client::RaporEnCokSatilanStoklar(TSonucBilgisi* bilgi, double tarih1,
                                                            double tarih2) {
    return SonucOkuyucu(Cagir("RaporEnCokSatilanStoklar", bilgi, tarih1, tarih2));
}

TStream* TServerMethods1Client::BelgeIndir(std::int32_t sirano, std::int64_t& size, std::string& adi) {
    return SonucAkis(Cagir("BelgeIndir", sirano, Cikis(size), Cikis(adi)));
}

TStream* TServerMethods1Client::BelgeIndir2(std::int32_t sirano, std::int64_t& size, std::string& adi,
                                            TSonucBilgisi* bilgi) {
    return SonucAkis(Cagir("BelgeIndir2", sirano, Cikis(size), Cikis(adi), bilgi));
}

TStream* TServerMethods1Client::DosyaIndir(std::int64_t& size) {
    return SonucAkis(Cagir("DosyaIndir", Cikis(size)));
}

TDBXReader* TServerMethods1Client::DosyaListesi() {
    return SonucOkuyucu(Cagir("DosyaListesi"));
}

TDBXReader* TServerMethods1Client::DosyaListesi2() {
    return SonucOkuyucu(Cagir("DosyaListesi2"));
}

std::string TServerMethods1Client::KayanYaziGetir() {
    return SonucString(Cagir("KayanYaziGetir"));
}

TDBXReader* TServerMethods1Client::BalonGetir(TSonucBilgisi* bil) {
    return SonucOkuyucu(Cagir("BalonGetir", bil));
}

std::int32_t TServerMethods1Client::BalonGetir2(std::int32_t carino, std::int32_t& sepet,
                                                std::int32_t& yenistok, std::int32_t& kampnayali,
                                                std::int32_t& duyuru, std::int32_t& Bakiye,
                                                std::int32_t& dosya) {
    return SonucInteger(Cagir("BalonGetir2", carino, Cikis(sepet), Cikis(yenistok), Cikis(kampnayali),
                              Cikis(duyuru), Cikis(Bakiye), Cikis(dosya)));
}

TDBXReader* TServerMethods1Client::DuyuruVer() {
    return SonucOkuyucu(Cagir("DuyuruVer"));
}

TDBXReader* TServerMethods1Client::DuyuruVer2() {
    return SonucOkuyucu(Cagir("DuyuruVer2"));
}

TAcilisEkranlar* TServerMethods1Client::AcilisEkranlarVer() {
    return SonucKayit<TAcilisEkranlar>(Cagir("AcilisEkranlarVer"));
}

TAcilisEkranlariki* TServerMethods1Client::AcilisEkranlarVer2() {
    return SonucKayit<TAcilisEkranlariki>(Cagir("AcilisEkranlarVer2"));
}

TDBXReader* TServerMethods1Client::AcilisEkranlariVerData() {
    return SonucOkuyucu(Cagir("AcilisEkranlariVerData"));
}

TStream* TServerMethods1Client::BannerResimVer(std::int64_t& size) {
    return SonucAkis(Cagir("BannerResimVer", Cikis(size)));
}

TStream* TServerMethods1Client::BannerResimVer2(std::int64_t& size) {
    return SonucAkis(Cagir("BannerResimVer2", Cikis(size)));
}

TStream* TServerMethods1Client::BannerResimVer3(std::int64_t& size) {
    return SonucAkis(Cagir("BannerResimVer3", Cikis(size)));
}

std::int32_t TServerMethods1Client::AcilisReklamAdet() {
    return SonucInteger(Cagir("AcilisReklamAdet"));
}

TAcilisEkran* TServerMethods1Client::AcilisREklamVer(std::int32_t sira) {
    return SonucKayit<TAcilisEkran>(Cagir("AcilisREklamVer", sira));
}

std::int32_t TServerMethods1Client::MailGonserCari(const std::string& idsi, const std::string& baslik,
                                                   const std::string& firmaadi, const std::string& adres1,
                                                   const std::string& adres2, const std::string& ilce,
                                                   const std::string& sehir, const std::string& telefon,
                                                   const std::string& fax, const std::string& vd,
                                                   const std::string& vn, const std::string& yetkili,
                                                   const std::string& kullaniciadi, const std::string& sifre,
                                                   const std::string& mail, const std::string& kargoambar) {
    return SonucInteger(Cagir("MailGonserCari", idsi, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon,
                              fax, vd, vn, yetkili, kullaniciadi, sifre, mail, kargoambar));
}

std::int32_t TServerMethods1Client::MailGonserCariNormal(
    const std::string& idsi, const std::string& baslik, const std::string& firmaadi,
    const std::string& adres1, const std::string& adres2, const std::string& ilce, const std::string& sehir,
    const std::string& telefon, const std::string& fax, const std::string& vd, const std::string& vn,
    const std::string& yetkili, const std::string& kullaniciadi, const std::string& sifre,
    const std::string& mail, const std::string& kargoambar, const std::string& konu) {
    return SonucInteger(Cagir("MailGonserCariNormal", idsi, baslik, firmaadi, adres1, adres2, ilce, sehir,
                              telefon, fax, vd, vn, yetkili, kullaniciadi, sifre, mail, kargoambar, konu));
}

TMobilCariBilgisi* TServerMethods1Client::MobilCariBilgisiGetir(std::int32_t sirano,
                                                                const std::string& _idsi) {
    return SonucKayit<TMobilCariBilgisi>(Cagir("MobilCariBilgisiGetir", sirano, _idsi));
}

bool TServerMethods1Client::SifremiUnuttum(const std::string& idsi, std::int32_t& mailvarmi) {
    return SonucBoolean(Cagir("SifremiUnuttum", idsi, Cikis(mailvarmi)));
}

TSonucBilgisi* TServerMethods1Client::BuyukGetir(const std::string& idsi) {
    return SonucKayit<TSonucBilgisi>(Cagir("BuyukGetir", idsi));
}
} // namespace rvz
