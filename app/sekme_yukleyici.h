// The load of a tab when it is shown, the same for every tab: the grid is disabled and detached,
// the wait indicator shows, a background call opens its own connection copy and fills the tab's
// dataset; the completion reattaches and enables the grid, writes the caption and hides the
// indicator, and reports a connection that could not be opened.
//
// A tab never loads twice at once: a Yukle while a load runs is remembered, and one fresh load
// starts when the running one has finished. So the tab ends up showing data fetched after the
// latest request, and no two workers write its dataset together.
#pragma once

#include "baglanti.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace rvz::app {

struct SekmeYuklemesi {
    // User-interface thread, before the work: disable the grid, detach it from its dataset.
    std::function<void()> ayir;
    // Worker thread, on the opened connection copy: fill the dataset. True when the load failed
    // in a way the tab reports as a lost connection; an error it lets pass is reported as itself.
    std::function<bool(TBaglanti&)> yukle;
    // User-interface thread, after the work: reattach the grid, end its update mode, enable it.
    std::function<void()> bagla;
    // Optional: the tab caption "N=Title", N from satirSayisi, written through basligiYaz.
    QString baslik;
    std::function<int()> satirSayisi;
    std::function<void(const QString&)> basligiYaz;
    // 0: the completion shows the connection message; 1: BaglantiAc shows it itself.
    int uyar = 0;
};

class SekmeYukleyici : public QObject {
    Q_OBJECT
public:
    // `kaynak` is the configured connection; each load works on a copy made when it starts.
    SekmeYukleyici(const TBaglanti& kaynak, QWidget* gosterge, SekmeYuklemesi yukleme,
                   QObject* ust = nullptr);

    // Starts a load, or, while one runs, asks for one more after it.
    void Yukle();
    bool Yukleniyor() const { return yukleniyor_; }

signals:
    // After the completion's steps; `hata` true when the load failed.
    void Yuklendi(bool hata);

private:
    void Bitir(bool hata);

    const TBaglanti& kaynak_;
    QPointer<QWidget> gosterge_;
    SekmeYuklemesi yukleme_;
    bool yukleniyor_ = false;
    bool yeniden_ = false;
};

// "N=Title", the caption form the tabs draw with a count badge.
QString SekmeBasligi(int sayi, const QString& baslik);

} // namespace rvz::app
