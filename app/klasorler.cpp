#include "klasorler.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace rvz::app {

QString VeriKlasoruAl() {
    const auto kok = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (kok.isEmpty())
        return {};
    const auto klasor = QDir(kok).filePath(QStringLiteral("ruvizezevuv"));
    if (!QDir(klasor).exists()) {
        if (!QDir().mkpath(klasor))
            return {};
        // The folder keeps the remembered password.
        QFile::setPermissions(klasor, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return klasor;
}

QString BelgelerKlasoruAl() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace rvz::app
