#include "kayanyazi.h"

#include <QPainter>

namespace rvz {

TKayanYazi::TKayanYazi(QWidget* ebeveyn) : TKayanSerit(ebeveyn) {
    setObjectName(QStringLiteral("kayanyazi"));
    QFont yazi(QStringLiteral("Arial"));
    yazi.setPixelSize(24);
    belge_.setDefaultFont(yazi);
    belge_.setDocumentMargin(0);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TKayanYazi::OgeAta(const QString& html) {
    bos_ = html.trimmed().isEmpty();
    belge_.setHtml(bos_ ? QString() : html);
    belge_.setTextWidth(-1); // one line
    BastanBasla();
}

QSize TKayanYazi::sizeHint() const {
    return {400, 34};
}

int TKayanYazi::IcerikGenisligi() const {
    return bos_ ? 0 : static_cast<int>(belge_.idealWidth()) + 5; // 5 pixels after the item
}

void TKayanYazi::IcerikCiz(QPainter& ressam, int x) {
    ressam.translate(x, (height() - belge_.size().height()) / 2);
    belge_.drawContents(&ressam);
}

} // namespace rvz
