// A zip archive of stored (uncompressed) entries with their CRC-32: enough for the
// Office Open XML package of a workbook.
#pragma once

#include <string>
#include <vector>

namespace rvz {

class TZipYazici {
public:
    void Ekle(std::string ad, std::string veri);
    std::string Bitir() const; // the whole archive

private:
    struct Girdi {
        std::string ad, veri;
    };
    std::vector<Girdi> girdiler_;
};

std::uint32_t Crc32(const std::string& veri);

} // namespace rvz
