// Item, basket-line, dealer-registration and opening-screen records, and their lists.
#pragma once

#include "kayit.h"

#include <memory>
#include <vector>

namespace rvz {

// A stock item.
class TMobilStok : public TDuzKayit<TMobilStok> {
public:
    static constexpr std::string_view kSinif = "mobilstokunit.TMobilStok";
    static std::span<const Alan<TMobilStok>> Alanlar();

    std::int32_t StokNo = 0;
    std::int32_t ResimVar = 0;
    std::string Resim;
    std::int32_t Yeni = 0;
    std::string Departman;
    double VerilenSiparis = 0;
    std::string AltGrup;
    std::int32_t Durum = 0;
    std::string Renk;
    std::string Birim = "ADET";
    double KDV = 20;
    double AlinanSiparis = 0;
    double Isk2 = 0;
    std::string AnaGrup;
    std::string Kod;
    double Isk3 = 0;
    double ListeFiyati = 0;
    std::string Beden;
    double NetFiyat = 0;
    double Isk1 = 0;
    double KDVliFiyat = 0;
    double Isk4 = 0;
    std::string OzelKod;
    std::int32_t Kampnayali = 0;
    std::string Barkod;
    double IndirimOran = 0;
    double Kalan = 0;
    std::string UreticiKod;
    double KampanyaliFiyat = 0;
    std::string OemNo;
    std::int32_t BarkodNo = 0;
    std::string PKod;
    std::string DpKod;
    std::string Adi;
    double Fiyat = 0;

    // Copies every field, PKod and DpKod included: a copy that kept two of the
    // destination's old values would be a merge.
    void Kopyala(const TMobilStok& kaynak) { *this = kaynak; }
};

// A basket line.
class TMobilSepet : public TDuzKayit<TMobilSepet> {
public:
    static constexpr std::string_view kSinif = "mobilstokunit.TMobilSepet";
    static std::span<const Alan<TMobilSepet>> Alanlar();

    std::int32_t KARGOID = 0;
    std::int32_t StokNo = 0;
    double TARIH = 0;
    std::int32_t SIRANO = 0;
    std::string CARIADI;
    double VERILISTARIHI = 0;
    std::int32_t Durum = 0;
    double MIKTAR = 0;
    std::int32_t VERENIDNO = 0;
    double NETTUTAR = 0;
    double KDVLITUTAR = 0;
    double KDV = 0;
    std::int32_t AKTAR = 0;
    std::string SAAT;
    double VERGITUTARI = 0;
    std::string PKod;
    std::string MODEL;
    double INDIRIMTUTAR = 0;
    std::int32_t STOK_STOKNO = 0;
    double BIRIMFIYAT = 0;
    std::int32_t SEC = 0;
    std::string OEM2;
    std::string OEM3;
    std::string AnaGrup;
    std::string MARKA;
    std::string VEREN;
    std::string STOKADI;
    std::string OEM1;
    std::int32_t CARINO = 0;
    std::int32_t VERENSIRANO = 0;
    std::int32_t ACIKLAMA = 0;
    double INDIRIMORANI2 = 0;
    std::string OEM4;
    std::string KUR;
    double INDIRIMORANI3 = 0;
    std::int32_t SIPARISNO = 0;
    double IDNO = 0;
    std::string OzelKod;
    std::string DpKod;
    double KURTL = 0;
    double INDIRIMORANI1 = 0;
    std::string DIGERADI;
    std::string Barkod;
    double TUTAR = 0;
    std::string URETICIKODU;
    double Kalan = 0;
    std::string FINISHKOD;
    std::string CARIKOD;
    double NETBIRIMFIYAT = 0;
    std::string OemNo;
    std::int32_t TESLIMID = 0;
    std::int32_t ResimVar = 0;
    std::string Resim;

    void Kopyala(const TMobilSepet& kaynak) { *this = kaynak; }
};

// The registration record of a dealer.
class TMobilCariBilgisi : public TDuzKayit<TMobilCariBilgisi> {
public:
    static constexpr std::string_view kSinif = "mobilstokunit.TMobilCariBilgisi";
    static std::span<const Alan<TMobilCariBilgisi>> Alanlar();

    std::string BILGISAYARID;
    std::string SEHIR;
    std::string FAX1;
    std::string SATICIMAIL;
    std::string SATICIADI;
    std::string CARIADI;
    std::string EMAIL;
    std::string VERGIDAIRESI;
    std::string YETKILI;
    std::string AltGrup;
    std::string TEL2;
    std::string SIFRE;
    std::string GSM;
    std::string TEL1;
    std::string ADRES2;
    double TLBORC = 0;
    double TLALACAK = 0;
    std::string ADRES1;
    std::string ULKE;
    std::string AnaGrup;
    std::int32_t CARINO = 0;
    double TLBAKIYE = 0;
    std::string VERGINO;
    std::string MAIL;
    std::string OzelKod;
    std::string KULLANICIADI;
    std::string SATICITELEFON;
    std::string CARIKOD;
    std::string FAX2;
    std::string ILCE;

    void Kopyala(const TMobilCariBilgisi& kaynak) { *this = kaynak; }
};

// An opening-screen entry: an announcement or an advertisement page.
class TAcilisEkran : public TDuzKayit<TAcilisEkran> {
public:
    static constexpr std::string_view kSinif = "mobilstokunit.TAcilisEkran";
    static std::span<const Alan<TAcilisEkran>> Alanlar();

    std::int32_t SiraNo = 0;
    std::string Resim; // the picture file as hexadecimal text, empty for none
    std::string Baslik;
    std::string Arama; // a search text, "#KAMPANYA#" or "#YENİ#"
};

// An owning list of records; crosses as {"fields": {"FItems": [objects]}}.
template <class T> class TKayitListesi : public TKayit {
public:
    std::vector<std::unique_ptr<T>> Items;

    Json AlanlarYaz(int& id) const override;
    void AlanlarOku(const Json& alanlar) override;
};

class TMobilStoklar : public TKayitListesi<TMobilStok> {
public:
    static constexpr std::string_view kSinif = "mobilstokunit.TMobilStoklar";
    std::string_view SinifAdi() const override { return kSinif; }
};

class TMobilSepetler : public TKayitListesi<TMobilSepet> {
public:
    static constexpr std::string_view kSinif = "mobilstokunit.TMobilSepetler";
    std::string_view SinifAdi() const override { return kSinif; }
};

class TAcilisEkranlar : public TKayitListesi<TAcilisEkran> {
public:
    static constexpr std::string_view kSinif = "mobilstokunit.TAcilisEkranlar";
    std::string_view SinifAdi() const override { return kSinif; }
};

// The announcements as one array; the holder owns its elements.
class TAcilisEkranlariki : public TKayit {
public:
    static constexpr std::string_view kSinif = "mobilstokunit.TAcilisEkranlariki";
    std::string_view SinifAdi() const override { return kSinif; }

    std::vector<TAcilisEkran> Ekranlar;

    Json AlanlarYaz(int& id) const override;
    void AlanlarOku(const Json& alanlar) override;
};

} // namespace rvz
