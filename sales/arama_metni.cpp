#include "arama_metni.h"

namespace rvz::sales {

QString AramaMetniDuzelt(QString metin) {
    return metin.replace(QChar(0x0131), QLatin1Char('i'));
}

QString CariAramaMetni(const QString& kutudaki) {
    return AramaMetniDuzelt(kutudaki).trimmed();
}

} // namespace rvz::sales
