#include "sayibicimi.h"

#include <QLocale>

#include <cmath>

namespace rvz {

QString BicimliSayi(double deger, const QString& bicim) {
    QLocale yerel;
    if (bicim.isEmpty()) {
        yerel.setNumberOptions(QLocale::OmitGroupSeparator);
        return yerel.toString(deger, 'g', 15);
    }
    const auto nokta = bicim.indexOf(QLatin1Char('.'));
    int ondalik = 0;
    if (nokta >= 0)
        for (auto i = nokta + 1;
             i < bicim.size() && (bicim[i] == QLatin1Char('0') || bicim[i] == QLatin1Char('#')); ++i)
            ++ondalik;
    yerel.setNumberOptions(bicim.contains(QLatin1Char(',')) ? QLocale::DefaultNumberOptions
                                                            : QLocale::OmitGroupSeparator);
    // Never "-0,00" for a value that rounds to zero.
    if (std::abs(deger) < 0.5 * std::pow(10.0, -ondalik))
        deger = 0;
    return yerel.toString(deger, 'f', ondalik);
}

QDateTime OleTarihiCoz(double gun) {
    const auto tamGun = static_cast<qint64>(std::floor(gun));
    const auto ms = static_cast<qint64>(std::llround((gun - static_cast<double>(tamGun)) * 86400000.0));
    return QDateTime(QDate(1899, 12, 30).addDays(tamGun), QTime(0, 0)).addMSecs(ms);
}

} // namespace rvz
