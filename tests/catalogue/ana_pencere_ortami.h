// The main window against the real server with the demo data, logged in for one demo machine:
// what the order road's window tests start from.
#pragma once

#include "Unit1.h"
#include "sunucu_sureci.h"

#include <QString>

#include <memory>

namespace rvz {
class TServerMethods1Client;
}

namespace rvz::test {

class AnaPencereOrtami {
public:
    // Starts the server, reads the machine's registration as the login does, builds and shows the
    // main window at the given width. A representative acts for dealer 1.
    bool Baslat(const QString& makine = QStringLiteral("DEMO-TIP0"), int genislik = 1300);
    const QString& Hata() const { return hata_; }

    app::TForm1& Form() { return *form_; }
    SunucuSureci& Sunucu() { return sunucu_; }

    // A client of its own (same machine) for preparing and checking the server's state.
    TServerMethods1Client& Istemci();
    // A copy of the session record, as every record argument wants it.
    TSonucBilgisi* Oturum() const;

    // Key presses carrying each letter of `metin` (QTest's key clicks know only ASCII).
    static void Yaz(QWidget* hedef, const QString& metin);
    // Types `metin` into the search box and presses Enter; waits until the search has finished.
    bool Ara(const QString& metin);
    // Shows the basket tab and waits until its load has finished.
    bool SepetiGoster();
    // Double-clicks the cell of a grid's view (model row and column of the view).
    static void CiftTikla(QWidget* izgara, int satir, int sutun);

    // Saves a picture of `pencere` next to the test program.
    static QString ResimKaydet(QWidget* pencere, const QString& ad);

private:
    SunucuSureci sunucu_;
    std::unique_ptr<app::TBaglanti> baglanti_;
    std::unique_ptr<TServerMethods1Client> istemci_;
    std::unique_ptr<app::TForm1> form_;
    QString hata_;
};

} // namespace rvz::test
