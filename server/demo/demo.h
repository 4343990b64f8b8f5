// The demo database: a realistic, deterministic catalogue and business history.
#pragma once

#include "depo.h"

namespace rvz::sunucu {

struct DemoAyarlari {
    int stokSayisi = 20000; // 1 .. 100,000
};

// Fills an empty database; refuses one that already holds dealers or items.
void DemoDoldur(Depo& depo, const DemoAyarlari& ayarlar);

} // namespace rvz::sunucu
