// Session and order-status records.
#pragma once

#include "kayit.h"

namespace rvz {

// Who is logged in, for which dealer account and from which machine.
class TSonucBilgisi : public TDuzKayit<TSonucBilgisi> {
public:
    static constexpr std::string_view kSinif = "baglantiu.TSonucBilgisi";
    static std::span<const Alan<TSonucBilgisi>> Alanlar();

    std::string BILGISAYARID;
    std::string SaticiMail;
    std::int32_t Sirano = 0;
    std::string CariAdi;
    std::string SIFRE;
    std::int32_t SaticiNo = 0;
    std::int32_t CARINO = 0;
    std::int32_t AKTIF = 0;
    std::string Kullanicimail;
    std::string ADI;
    std::string SaticiTelefon;
    std::string carikod;
    bool Varmi = false;
    std::string SaticiAdi;
    std::string BilgiSayarAdi;
    std::string Disip;
    std::string Icip;
    std::string BilgisayarKullanici;
    std::int32_t MusteriTipi = 1;
    std::int32_t Version = 1;

    // Copies every field of `kaynak`, empty texts included.
    void Kopyala(const TSonucBilgisi& kaynak) { *this = kaynak; }
};

// Texts of one order's header and notes.
class TSiparisDipAyrinti : public TDuzKayit<TSiparisDipAyrinti> {
public:
    static constexpr std::string_view kSinif = "baglantiu.TSiparisDipAyrinti";
    static std::span<const Alan<TSiparisDipAyrinti>> Alanlar();

    std::string SizinMesaj;
    std::string Durumu;
    std::string Veren;
    std::string Kargo;
    std::string BizimMesaj;
    std::string TeslimCinsi;
    std::string KargoCinsi;
    std::string SaticiNotu;

    void Kopyala(const TSiparisDipAyrinti& kaynak) { *this = kaynak; }
};

// Number of orders in each processing state.
class TTusSonuclari : public TDuzKayit<TTusSonuclari> {
public:
    static constexpr std::string_view kSinif = "baglantiu.TTusSonuclari";
    static std::span<const Alan<TTusSonuclari>> Alanlar();

    std::int32_t Alindi = 0;
    std::int32_t Onaylandi = 0;
    std::int32_t ParcaliHazirlandi = 0;
    std::int32_t SevkEdildi = 0;
    std::int32_t Hazirlandi = 0;
    std::int32_t Goruldu = 0;

    void Kopyala(const TTusSonuclari& kaynak) { *this = kaynak; }
};

} // namespace rvz
