// The grid's table view: typing selects the first row whose value in the focused column
// starts with what was typed (keys typed in quick succession add up).
#pragma once

#include <QElapsedTimer>
#include <QTableView>

namespace rvz {

class TIzgaraTablosu : public QTableView {
    Q_OBJECT
public:
    explicit TIzgaraTablosu(QWidget* ebeveyn = nullptr);
    void keyboardSearch(const QString& metin) override;
    const QString& Aranan() const { return aranan_; }

private:
    QString aranan_;
    QElapsedTimer sonTus_;
};

// First row of `model` whose text in `sutun` starts with `metin` (ignoring case the
// Turkish way), or -1.
int BaslayanSatir(const QAbstractItemModel& model, int sutun, const QString& metin);

} // namespace rvz
