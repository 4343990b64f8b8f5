// The helpers the whole client shares.
#pragma once

#include "arayuz_devri.h"
#include "ayar_dosyasi.h"
#include "dolu_mu.h"
#include "klasorler.h"
#include "makine_kimligi.h"
#include "mesaj.h"
#include "metin_donusumleri.h"
#include "tarayici.h"
#include "yuvarla.h"
