// The legend bar under the item grids: what each stock-state icon means.
#pragma once

#include <QWidget>

namespace rvz {

class TDurumAciklamasi : public QWidget {
    Q_OBJECT
public:
    explicit TDurumAciklamasi(QWidget* ebeveyn = nullptr);
};

} // namespace rvz
