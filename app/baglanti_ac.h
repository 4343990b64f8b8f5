// BaglantiAc: opens a connection with up to 11 attempts.
#pragma once

#include "baglanti.h"

#include <QString>

#include <chrono>
#include <functional>

namespace rvz::app {

inline constexpr int kBaglantiDenemeSayisi = 11;
inline constexpr std::chrono::milliseconds kDenemeAraligi{500};
inline const QString kBaglantiKurulamiyor = QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!");

// Closes the connection, then tries to open it until it opens or 11 tries have failed. Every
// failure shows its own text in a plain box (the worker waits until it is closed) and then
// pauses 500 ms. With `uyar` 1 a final failure also shows kBaglantiKurulamiyor. True when open.
bool BaglantiAc(TBaglanti& baglanti, int uyar);

// The parts tests replace: the pause after a failed try and the box that shows its text.
struct BaglantiAcmaParcalari {
    std::function<void(std::chrono::milliseconds)> bekle;
    std::function<void(const QString&)> hataGoster;
};
// The parts in use: a real pause and a plain MesajVer box.
BaglantiAcmaParcalari VarsayilanBaglantiAcmaParcalari();
// Installs `parcalar` (an empty member keeps the default) and returns what it replaces.
BaglantiAcmaParcalari BaglantiAcmaParcalariAta(BaglantiAcmaParcalari parcalar);

} // namespace rvz::app
