// Query pieces and table steps used by more than one area: stock rows with prices,
// order and basket lines with their amounts, dealer rows, and the caller's dealer filter.
#pragma once

#include "ortam.h"
#include "para.h"
#include "tablolar.h"

#include <string>
#include <vector>

namespace rvz::sunucu {

// The discounts a dealer gets on items that are not on campaign.
Indirimler CariIndirimleri(DepoBaglantisi& b, std::int64_t carino);

// Stock rows (columns of the three item lists); `sart` follows "FROM stoklar s".
Tablo StokTablosu(DepoBaglantisi& b, const std::string& sart, const std::vector<Veri>& p,
                  const Indirimler& ind);

// Order lines with their order, item and dealer columns; `sart` follows the joins.
Tablo SiparisSatirlari(DepoBaglantisi& b, const std::string& sart, const std::vector<Veri>& p,
                       std::string_view tutarMiktari = "MIKTAR");

// Appends TUTAR, INDIRIMYAZI, INDIRIMTUTAR, NETBIRIMFIYAT, VERGITUTARI and NETTUTAR computed
// from `miktarSutunu`, BIRIMFIYAT, INDIRIMORANI1..4 and KDV.
void SatirTutarlariniEkle(Tablo& t, std::string_view miktarSutunu);

// "c.CARINO ..." condition limiting dealers (alias c) to those the caller may act for.
std::string CariErisimSarti(const Arayan& a, std::vector<Veri>& p);

// Dealer rows with the columns of the dealer selection lists; `sart` follows "FROM cariler c ...".
Tablo CariTablosu(DepoBaglantisi& b, const std::string& sart, const std::vector<Veri>& p);

// The SQL text of the time of day ("14:05") of an OLE date column.
std::string SaatSql(std::string_view sutun);

// Order headers with their totals (sums of the rounded line amounts) and the state as text;
// `sart` follows the joins (orders o, dealers c).
Tablo SiparisBasliklari(DepoBaglantisi& b, const std::string& sart, const std::vector<Veri>& p);

// Order state names, by state number 0..5.
const char* SiparisDurumAdi(std::int64_t durum);

} // namespace rvz::sunucu
