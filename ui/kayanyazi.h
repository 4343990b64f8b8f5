// The news line: at most one item of simple HTML scrolling in one line.
#pragma once

#include "kayanserit.h"

#include <QTextDocument>

namespace rvz {

class TKayanYazi : public TKayanSerit {
    Q_OBJECT
public:
    explicit TKayanYazi(QWidget* ebeveyn = nullptr);

    // Replaces the item; a text of only spaces leaves the line empty.
    void OgeAta(const QString& html);
    void Temizle() { OgeAta(QString()); }
    bool Bos() const { return bos_; }
    QString DuzMetin() const { return bos_ ? QString() : belge_.toPlainText(); }
    QSize sizeHint() const override;

protected:
    int IcerikGenisligi() const override;
    void IcerikCiz(QPainter& ressam, int x) override;

private:
    QTextDocument belge_;
    bool bos_ = true;
};

} // namespace rvz
