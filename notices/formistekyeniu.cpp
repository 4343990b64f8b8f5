#include "formistekyeniu.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <utility>

#if defined(RVZ_WEBENGINE)
#include <QWebEngineView>
#endif

namespace rvz::notices {

namespace {
Tformistekyeni::TarayiciAcici acici_; // empty: the user's browser
} // namespace

Tformistekyeni::TarayiciAcici Tformistekyeni::TarayiciAciciAta(TarayiciAcici acici) {
    return std::exchange(acici_, std::move(acici));
}

bool Tformistekyeni::TarayicidaAc(const QUrl& adres) {
    if (acici_)
        return acici_(adres);
    return QDesktopServices::openUrl(adres);
}

Tformistekyeni::Tformistekyeni(QWidget* ust) : QDialog(ust) {
    setObjectName(QStringLiteral("formistekyeni"));
    resize(900, 650);
#if defined(RVZ_WEBENGINE)
    sitem = new QWebEngineView(this);
#else
    sitem = new QWidget(this);
    aciklama_ = new QLabel(sitem);
    aciklama_->setAlignment(Qt::AlignCenter);
    aciklama_->setWordWrap(true);
    aciklama_->setOpenExternalLinks(false);
    aciklama_->setTextInteractionFlags(Qt::TextBrowserInteraction);
    connect(aciklama_, &QLabel::linkActivated, this, [](const QString& bag) { TarayicidaAc(QUrl(bag)); });
    auto* icDuzen = new QVBoxLayout(sitem);
    icDuzen->addWidget(aciklama_);
    resize(560, 260);
#endif
    sitem->setObjectName(QStringLiteral("sitem"));

    auto* kapat = new QPushButton(QStringLiteral("Kapat"), this);
    kapat->setObjectName(QStringLiteral("kapat"));
    connect(kapat, &QPushButton::clicked, this, &QDialog::accept);
    auto* alt = new QHBoxLayout;
    alt->addWidget(kapat);
    alt->addStretch();

    auto* duzen = new QVBoxLayout(this);
    duzen->addWidget(sitem, 1);
    duzen->addLayout(alt);
    if (auto* ekran = screen())
        move(ekran->availableGeometry().center() - rect().center());
}

void Tformistekyeni::Git(const QUrl& adres) {
    adres_ = adres;
#if defined(RVZ_WEBENGINE)
    static_cast<QWebEngineView*>(sitem)->load(adres);
#else
    TarayicidaAc(adres);
    const QString metin = adres.toString().toHtmlEscaped();
    aciklama_->setText(QStringLiteral("<p>Form internet tarayıcınızda açıldı.</p>"
                                      "<p>Açılmadıysa bu adrese tıklayın:<br><a href=\"%1\">%1</a></p>")
                           .arg(metin));
#endif
}

} // namespace rvz::notices
