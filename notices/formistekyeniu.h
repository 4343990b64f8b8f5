// Tformistekyeni: a page of the distributor's web site in a window of its own, with "Kapat".
// Where the build has no embedded web engine the page opens in the user's browser and the
// window says so, with the address to click again.
#pragma once

#include <QDialog>
#include <QUrl>

#include <functional>

class QLabel;

namespace rvz::notices {

class Tformistekyeni : public QDialog {
    Q_OBJECT
public:
    explicit Tformistekyeni(QWidget* ust = nullptr);

    // Shows `adres` (the caller sets the caption).
    void Git(const QUrl& adres);
    const QUrl& Adres() const { return adres_; }

    // Opening an address in the user's browser; tests put their own in place.
    using TarayiciAcici = std::function<bool(const QUrl&)>;
    static TarayiciAcici TarayiciAciciAta(TarayiciAcici acici);
    static bool TarayicidaAc(const QUrl& adres);

private:
    QWidget* sitem;
    QLabel* aciklama_ = nullptr;
    QUrl adres_;
};

} // namespace rvz::notices
