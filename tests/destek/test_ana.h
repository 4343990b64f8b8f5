// The main of a window test: a QApplication on the offscreen platform (unless one is set) under
// Turkish number settings, then the QtTest class.
#pragma once

#include <QApplication>
#include <QTest>

namespace rvz::test {

// Chooses the offscreen platform when none is set and Turkish as the default locale.
void TestOrtamiHazirla();

} // namespace rvz::test

#define RVZ_TEST_ANA(Sinif)                                                                                  \
    int main(int argc, char** argv) {                                                                        \
        rvz::test::TestOrtamiHazirla();                                                                      \
        QApplication uygulama(argc, argv);                                                                   \
        Sinif test;                                                                                          \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
