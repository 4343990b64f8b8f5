// The dealer search text as it is sent to the server.
#pragma once

#include <QString>

namespace rvz::sales {

// Every dotless "ı" becomes "i".
QString AramaMetniDuzelt(QString metin);

// The search box's text prepared for CariAra: AramaMetniDuzelt, then the surrounding spaces
// removed. An empty result asks for every dealer.
QString CariAramaMetni(const QString& kutudaki);

} // namespace rvz::sales
