// The helpers the whole client shares. Those that work on a dataset (DoluMu, SayiBicimiVer,
// SeciliSatirVarMi) live beside the dataset, in ui/verisetiislemleri.h.
#pragma once

#include "arayuz_devri.h"
#include "ayar_dosyasi.h"
#include "klasorler.h"
#include "makine_kimligi.h"
#include "mesaj.h"
#include "metin_donusumleri.h"
#include "tarayici.h"
#include "yuvarla.h"
