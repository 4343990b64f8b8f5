// The small spinning picture shown while a background activity runs; hidden when idle.
#pragma once

#include <QTimer>
#include <QWidget>

namespace rvz::app {

class BeklemeGostergesi : public QWidget {
    Q_OBJECT
public:
    static constexpr int kGenislik = 28;
    static constexpr int kYukseklik = 27;

    explicit BeklemeGostergesi(QWidget* ust = nullptr);

    QSize sizeHint() const override { return {kGenislik, kYukseklik}; }
    // The spoke drawn brightest; advances while visible.
    int Adim() const { return adim_; }

protected:
    void paintEvent(QPaintEvent* olay) override;
    void showEvent(QShowEvent* olay) override;
    void hideEvent(QHideEvent* olay) override;

private:
    QTimer zamanlayici_;
    int adim_ = 0;
};

} // namespace rvz::app
