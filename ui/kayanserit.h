// A line whose content scrolls from right to left and comes round again. The timer's
// interval and the step are settable; Ilerle moves one step by hand (tests, paused lines).
#pragma once

#include <QTimer>
#include <QWidget>

namespace rvz {

class TKayanSerit : public QWidget {
    Q_OBJECT
public:
    explicit TKayanSerit(QWidget* ebeveyn = nullptr);

    void Baslat() { zamanlayici_.start(); }
    void Durdur() { zamanlayici_.stop(); }
    bool Calisiyor() const { return zamanlayici_.isActive(); }
    void AralikAta(int milisaniye) { zamanlayici_.setInterval(milisaniye); }
    void AdimAta(int piksel) { adim_ = piksel; }
    void Ilerle();
    // Left edge of the content inside the line.
    int Konum() const { return konum_; }

protected:
    virtual int IcerikGenisligi() const = 0;
    virtual void IcerikCiz(QPainter& ressam, int x) = 0;
    void BastanBasla(); // content changed: start again from the right edge
    void paintEvent(QPaintEvent* olay) override;

private:
    QTimer zamanlayici_;
    int adim_ = 2;
    int konum_ = 0;
};

} // namespace rvz
