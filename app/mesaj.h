// MesajVer: the program's one message dialog, with Turkish captions and button labels.
#pragma once

#include <QString>

#include <functional>

class QMessageBox;
class QWidget;

namespace rvz::app {

// Dialog kinds.
enum MesajTuru : int { mtUyari = 0, mtHata = 1, mtBilgi = 2, mtSoru = 3, mtDuz = 4 };

// Buttons by number; a button set has bit (1 << number) for each of its buttons.
enum MesajTusu : int {
    mbEvet = 0,
    mbHayir = 1,
    mbTamam = 2,
    mbVazgec = 3,
    mbIptal = 4,
    mbTekrar = 5,
    mbAtla = 6,
    mbTumu = 7,
    mbTumuneHayir = 8,
    mbTumuneEvet = 9,
    mbYardim = 10,
    mbKapat = 11,
};
constexpr int TusBiti(MesajTusu tus) {
    return 1 << tus;
}
constexpr int kTamamTusu = TusBiti(mbTamam);                          // 4
constexpr int kEvetHayirTuslari = TusBiti(mbEvet) | TusBiti(mbHayir); // 3

// Result codes of the pressed button.
enum MesajSonucu : int {
    mrYok = 0, // closed without a button
    mrTamam = 1,
    mrVazgec = 2,
    mrIptal = 3,
    mrTekrar = 4,
    mrAtla = 5,
    mrEvet = 6,
    mrHayir = 7,
    mrKapat = 8,
    mrYardim = 9,
    mrTumu = 12,
    mrTumuneHayir = 13,
    mrTumuneEvet = 14,
};

// The result code of a button.
int TusSonucu(MesajTusu tus);

struct MesajIstegi {
    QString metin;
    int tur = mtDuz;
    int tuslar = kTamamTusu;
    int ilkTus = mbTamam;
};

// Shows the dialog modally on the user-interface thread (a worker hands it over and waits) and
// returns the pressed button's result code.
int MesajVer(const QString& metin, int tur, int tuslar, int ilkTus);

// Who answers MesajVer: the real dialog unless a test put a scripted responder in its place.
using MesajSunucusu = std::function<int(const MesajIstegi&)>;
// Installs `sunucu` (empty: the real dialog again) and returns the one it replaces.
MesajSunucusu MesajSunucusuAta(MesajSunucusu sunucu);

// The window dialogs are centred over; when none is set, the active window.
void AnaPencereAta(QWidget* pencere);

// Builds the real dialog without showing it (the default responder shows it modally).
QMessageBox* MesajPenceresiOlustur(const MesajIstegi& istek, QWidget* ust);

} // namespace rvz::app
