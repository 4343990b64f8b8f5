// The "Cari Bilgileri" panel: contact and balance data of the focused dealer row.
#pragma once

#include <QGroupBox>

#include <vector>

class QLabel;

namespace rvz {
class TVeriSeti;
}

namespace rvz::sales {

class TCariBilgileri : public QGroupBox {
    Q_OBJECT
public:
    explicit TCariBilgileri(QWidget* ust = nullptr);

    // Writes every value from the row; each value is the cell's display text (empty for null).
    void Doldur(const TVeriSeti& veri, int satir);
    // The value shown beside a caption ("CariKod:" …); empty for an unknown caption.
    QString Deger(const QString& etiket) const;

private:
    std::vector<QLabel*> degerler_;
};

} // namespace rvz::sales
