#include "tarayici.h"

#include "makine_kimligi.h"

#include <QFileInfo>

namespace rvz::app {

QStringList ChromeAdaylari() {
    return {
        QStringLiteral("/usr/bin/google-chrome-stable"),
        QStringLiteral("/usr/bin/google-chrome"),
        QStringLiteral("/opt/google/chrome/chrome"),
        QStringLiteral("/usr/bin/chromium"),
        QStringLiteral("/usr/bin/chromium-browser"),
        QStringLiteral("/snap/bin/chromium"),
        QStringLiteral("/var/lib/flatpak/exports/bin/com.google.Chrome"),
        QStringLiteral("/home/") + WindowsKullaniciAl() +
            QStringLiteral("/.local/share/flatpak/exports/bin/com.google.Chrome"),
    };
}

QString ChromeYoluAl() {
    for (const auto& aday : ChromeAdaylari()) {
        const QFileInfo bilgi(aday);
        if (bilgi.isFile() && bilgi.isExecutable())
            return aday;
    }
    return {};
}

int IESurumuAl() {
#ifdef RVZ_WEBENGINE_SURUMU
    return RVZ_WEBENGINE_SURUMU;
#else
    return 0;
#endif
}

} // namespace rvz::app
