// ruvizezevuv: the desktop client of the Parlavik Otomotiv B2B ordering system.
#include "Unit1.h"
#include "bellek.h"
#include "cari_secimi.h"
#include "girisformu.h"
#include "makine_kimligi.h"
#include "tema.h"
#include "uygulama.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--print-machine-id") == 0) {
            // The identifier the server knows this machine by (for registering it).
            std::printf("%s\n", rvz::app::BilgisayarIdAl().toUtf8().constData());
            return 0;
        }

    rvz::BellekAyarla(argv);
    rvz::app::TUygulama uygulama(argc, argv);
    // A system without a locale of its own (C, POSIX) gets the program's language: Turkish
    // numbers and dates, as every message and caption is Turkish.
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    rvz::app::TemaUygula(uygulama);
    rvz::app::Tgirisform::CariSeciciAta([](rvz::app::TBaglanti& bag, rvz::TSonucBilgisi& bilgi) {
        return rvz::sales::CariSecimiAc(bag, bilgi, QApplication::activeModalWidget());
    });
    rvz::app::TForm1 pencere;
    if (!pencere.Baslat())
        return 0;
    // Without a window manager "maximised" means nothing; the screen's size is the same thing.
    if (auto* ekran = pencere.screen())
        pencere.setGeometry(ekran->availableGeometry());
    pencere.showMaximized();
    return QApplication::exec();
}
