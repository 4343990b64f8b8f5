// The order-state buttons of the customer selection, left to right: which list each one asks
// for, its hint and its picture.
#pragma once

#include <QIcon>
#include <QString>

#include <span>

namespace rvz::sales {

struct DurumTusu {
    const char* ad; // objectName
    QString ipucu;  // shown on hover
    int durum;      // n of CariSepetVer; 0 lists every dealer
    QString isaret; // the glyph drawn on the picture
    const char* renk;
};

std::span<const DurumTusu> DurumTuslari();

// The picture above a button's count.
QIcon DurumResmi(const DurumTusu& tus);

} // namespace rvz::sales
