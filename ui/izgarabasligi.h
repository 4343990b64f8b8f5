// Grid header with a filter button at the right of every section. A press on the button
// asks for the filter menu instead of sorting; an active filter draws its button filled.
#pragma once

#include <QHeaderView>

#include <functional>

namespace rvz {

class TIzgaraBasligi : public QHeaderView {
    Q_OBJECT
public:
    explicit TIzgaraBasligi(QWidget* ebeveyn = nullptr);

    void SuzgecDugmeleriAcik(bool acik);
    bool SuzgecDugmeleriAcik() const { return dugmeler_; }
    // Tells whether a section's filter is active (drawn filled).
    void SuzgecDurumuSorgusu(std::function<bool(int)> sorgu) { etkin_ = std::move(sorgu); }
    // The button's place inside a section's rectangle.
    static QRect DugmeAlani(const QRect& bolum);

signals:
    void SuzgecIstendi(int sutun, const QPoint& ekranKonumu);

protected:
    void paintSection(QPainter* ressam, const QRect& alan, int bolum) const override;
    // Room for the button on both sides of the centred caption, so sizing to the content
    // never puts the button over the caption.
    QSize sectionSizeFromContents(int bolum) const override;
    void mousePressEvent(QMouseEvent* olay) override;
    void mouseReleaseEvent(QMouseEvent* olay) override;

private:
    bool dugmeler_ = true;
    bool dugmeBasili_ = false;
    std::function<bool(int)> etkin_;
};

} // namespace rvz
