// Decoding of hexadecimal picture texts and encoding of web addresses.
#pragma once

#include <QByteArray>
#include <QString>

#include <stdexcept>

namespace rvz::app {

// A text that cannot be read as the number it should be.
class DonusumHatasi : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the text two hexadecimal digits at a time into bytes; a lone last digit is one byte.
// Raises DonusumHatasi on a pair that is not hexadecimal.
QByteArray HexCoz(QStringView metin);

// Encodes a whole address so it can be handed to a browser as one argument: scheme and host stay,
// path and query have unsafe characters replaced by %XX per UTF-8 byte ("+" stays in the query).
QString UrlKodla(const QString& adres);

} // namespace rvz::app
