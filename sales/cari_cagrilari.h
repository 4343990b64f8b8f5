// The remote calls of the customer selection. Each runs on a worker: it opens its own connection
// with the window connection's settings (a plain open, no retries), calls through a fresh
// remote-method client with a copy of the session record, and closes again. Errors are raised
// (rvz::UzakHata with the server's or the connection's text).
#pragma once

#include "baglanti.h"
#include "baglantiu.h"
#include "veriseti.h"

#include <memory>
#include <string>

namespace rvz::sales {

// What a worker needs, copied on the user-interface thread before it starts.
struct CagriOrtami {
    app::BaglantiParametreleri ayarlar;
    TSonucBilgisi oturum;
};

// CariAra: the dealers matching `aranan` (empty: every dealer the user reaches).
std::unique_ptr<TVeriSeti> CarileriAra(const CagriOrtami& ortam, const std::string& aranan);
// CariSepetVer: the dealers in order state `n` (1 basket … 7 shipped).
std::unique_ptr<TVeriSeti> DurumdakiCariler(const CagriOrtami& ortam, int n);
// SepetSayisi: how many dealers have items in their basket.
int SepettekiCariSayisi(const CagriOrtami& ortam);
// TusSonuclariVer: the order counts per state.
TTusSonuclari DurumSayilari(const CagriOrtami& ortam);

} // namespace rvz::sales
