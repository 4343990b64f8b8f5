// Tab captions carry a count: "12=Sepet" is the tab "Sepet" with the badge (12).
#pragma once

#include <QString>

namespace rvz {

struct TSonuc {
    int sayi = 0;   // 0 when the caption has no "=" or its count is not a whole number
    QString baslik; // after the first "=" (at most 100 characters), else the whole caption
};

TSonuc SekmeBasligiCoz(const QString& baslik);

} // namespace rvz
