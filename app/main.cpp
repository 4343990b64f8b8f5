// ruvizezevuv: the desktop client of the Parlavik Otomotiv B2B ordering system.
#include "Unit1.h"
#include "makine_kimligi.h"
#include "tema.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--print-machine-id") == 0) {
            // The identifier the server knows this machine by (for registering it).
            std::printf("%s\n", rvz::app::BilgisayarIdAl().toUtf8().constData());
            return 0;
        }

    QApplication uygulama(argc, argv);
    rvz::app::TemaUygula(uygulama);
    rvz::app::TForm1 pencere;
    if (!pencere.Baslat())
        return 0;
    pencere.showMaximized();
    return QApplication::exec();
}
