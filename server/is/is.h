// The business members of TServerMethods1, registered by area.
#pragma once

#include "ortam.h"

namespace rvz::sunucu {

void OturumYontemleriniKaydet(Dagitici& d, IsOrtami& o);
void KatalogYontemleriniKaydet(Dagitici& d, IsOrtami& o);
void SepetYontemleriniKaydet(Dagitici& d, IsOrtami& o);
void SiparisYontemleriniKaydet(Dagitici& d, IsOrtami& o);
void CariYontemleriniKaydet(Dagitici& d, IsOrtami& o);
void RaporYontemleriniKaydet(Dagitici& d, IsOrtami& o);
void IcerikYontemleriniKaydet(Dagitici& d, IsOrtami& o);

// Every area above, and the access check: a machine that is not registered may call
// only the login lookup and the echo members.
void IsYontemleriniKaydet(Dagitici& d, IsOrtami& o);

} // namespace rvz::sunucu
