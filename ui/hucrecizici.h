// Draws the cells whose kind needs more than text: icons and check boxes centred,
// pictures scaled into the cell, and the columns drawn by their own callback.
#pragma once

#include "izgaramodeli.h"

#include <QStyledItemDelegate>

#include <functional>

namespace rvz {

class THucreCizici : public QStyledItemDelegate {
    Q_OBJECT
public:
    // Maps an index of the view to the grid model's index; invalid for rows of its own
    // (group captions and footers), which are drawn plainly.
    using Eslestirme = std::function<QModelIndex(const QModelIndex&)>;

    // `model` is the grid's model; by default indexes reach it through the proxies above it.
    THucreCizici(const TIzgaraModeli& model, QObject* ebeveyn = nullptr, Eslestirme eslestir = {});

    void paint(QPainter* ressam, const QStyleOptionViewItem& secenek,
               const QModelIndex& indeks) const override;

private:
    const TIzgaraModeli& model_;
    Eslestirme eslestir_;
};

} // namespace rvz
