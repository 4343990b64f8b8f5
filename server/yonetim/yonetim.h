// Administration from the command line: `ruvizezevuv-server admin --db FILE COMMAND ...`.
#pragma once

#include "depo.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace rvz::sunucu {

// Runs one admin command; answers the process exit code. Messages go to `cikti`, the
// progress line of an import to `ilerleme`.
int YonetimKomutu(Depo& depo, const std::vector<std::string>& argumanlar, std::ostream& cikti,
                  std::ostream& ilerleme);

// The CSV import on its own: a header row of column names (KOD, ADI, MARKA, LISTEFIYAT ...),
// ';' or ',' separated, double quotes around fields that hold a separator. Answers the
// number of items written.
std::int64_t StokCsvAktar(Depo& depo, std::istream& csv, std::ostream& ilerleme);

} // namespace rvz::sunucu
