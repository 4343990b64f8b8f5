// Footer row under a grid: one text per column, kept under its header section while
// columns are resized, moved or scrolled.
#pragma once

#include <QHeaderView>
#include <QMap>
#include <QPointer>
#include <QWidget>

namespace rvz {

class TAltBilgi : public QWidget {
    Q_OBJECT
public:
    explicit TAltBilgi(QHeaderView* baslik, QWidget* ebeveyn = nullptr);

    void MetinleriAta(QMap<int, QString> metinler);
    QString Metin(int sutun) const { return metinler_.value(sutun); }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* olay) override;

private:
    QPointer<QHeaderView> baslik_;
    QMap<int, QString> metinler_;
};

} // namespace rvz
