// Answers MesajVer from a script instead of showing a dialog: each expected text has the button
// the user presses. Every message is recorded in order; a message nobody expected, or an answer
// with a button the dialog does not have, fails the running test.
//
//     BetikliMesajlar mesajlar;
//     mesajlar.Yanitla("Programdan Çıkmak İstiyor musunuz ?", app::mbHayir);
//     ... // the code under test
//     QCOMPARE(mesajlar.Metinler(), QStringList{"Programdan Çıkmak İstiyor musunuz ?"});
#pragma once

#include "mesaj.h"

#include <QStringList>

#include <functional>
#include <vector>

namespace rvz::test {

class BetikliMesajlar {
public:
    using Eslesme = std::function<bool(const app::MesajIstegi&)>;

    BetikliMesajlar();
    ~BetikliMesajlar();
    BetikliMesajlar(const BetikliMesajlar&) = delete;
    BetikliMesajlar& operator=(const BetikliMesajlar&) = delete;

    // Every message with exactly this text is answered with `tus`.
    BetikliMesajlar& Yanitla(const QString& metin, app::MesajTusu tus);
    // Every message `eslesir` accepts is answered with `tus`; for texts the system words,
    // such as a refused connection. The first matching rule wins.
    BetikliMesajlar& Yanitla(Eslesme eslesir, app::MesajTusu tus);

    // Runs when a message appears, before it is answered: to look at the window at that moment.
    void GorununceAta(std::function<void(const app::MesajIstegi&)> gorununce);

    const std::vector<app::MesajIstegi>& Mesajlar() const { return mesajlar_; }
    QStringList Metinler() const;
    void Temizle() { mesajlar_.clear(); }

private:
    int Cevapla(const app::MesajIstegi& istek);

    struct Kural {
        Eslesme eslesir;
        app::MesajTusu tus;
    };
    std::vector<Kural> kurallar_;
    std::vector<app::MesajIstegi> mesajlar_;
    std::function<void(const app::MesajIstegi&)> gorununce_;
    app::MesajSunucusu onceki_;
};

} // namespace rvz::test
