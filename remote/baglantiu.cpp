#include "baglantiu.h"

namespace rvz {

std::span<const Alan<TSonucBilgisi>> TSonucBilgisi::Alanlar() {
    using T = TSonucBilgisi;
    static const Alan<T> alanlar[] = {
        {"FBILGISAYARID", &T::BILGISAYARID},
        {"FSaticiMail", &T::SaticiMail},
        {"FSirano", &T::Sirano},
        {"FCariAdi", &T::CariAdi},
        {"FSIFRE", &T::SIFRE},
        {"FSaticiNo", &T::SaticiNo},
        {"FCARINO", &T::CARINO},
        {"FAKTIF", &T::AKTIF},
        {"FKullanicimail", &T::Kullanicimail},
        {"FADI", &T::ADI},
        {"FSaticiTelefon", &T::SaticiTelefon},
        {"Fcarikod", &T::carikod},
        {"FVarmi", &T::Varmi},
        {"FSaticiAdi", &T::SaticiAdi},
        {"FBilgiSayarAdi", &T::BilgiSayarAdi},
        {"FDisip", &T::Disip},
        {"FIcip", &T::Icip},
        {"FBilgisayarKullanici", &T::BilgisayarKullanici},
        {"FMusteriTipi", &T::MusteriTipi},
        {"FVersion", &T::Version},
    };
    return alanlar;
}

std::span<const Alan<TSiparisDipAyrinti>> TSiparisDipAyrinti::Alanlar() {
    using T = TSiparisDipAyrinti;
    static const Alan<T> alanlar[] = {
        {"FSizinMesaj", &T::SizinMesaj}, {"FDurumu", &T::Durumu},         {"FVeren", &T::Veren},
        {"FKargo", &T::Kargo},           {"FBizimMesaj", &T::BizimMesaj}, {"FTeslimCinsi", &T::TeslimCinsi},
        {"FKargoCinsi", &T::KargoCinsi}, {"FSaticiNotu", &T::SaticiNotu},
    };
    return alanlar;
}

std::span<const Alan<TTusSonuclari>> TTusSonuclari::Alanlar() {
    using T = TTusSonuclari;
    static const Alan<T> alanlar[] = {
        {"FAlindi", &T::Alindi},
        {"FOnaylandi", &T::Onaylandi},
        {"FParcaliHazirlandi", &T::ParcaliHazirlandi},
        {"FSevkEdildi", &T::SevkEdildi},
        {"FHazirlandi", &T::Hazirlandi},
        {"FGoruldu", &T::Goruldu},
    };
    return alanlar;
}

} // namespace rvz
