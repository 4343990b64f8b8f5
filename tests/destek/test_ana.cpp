#include "test_ana.h"

#include <QLocale>

namespace rvz::test {

void TestOrtamiHazirla() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
}

} // namespace rvz::test
