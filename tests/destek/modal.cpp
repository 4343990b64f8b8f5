#include "modal.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

namespace rvz::test {

void ModaldeYap(std::function<void(QWidget*)> eylem, std::chrono::milliseconds sure) {
    auto* zamanlayici = new QTimer(qApp);
    auto* gecen = new QElapsedTimer;
    gecen->start();
    zamanlayici->setInterval(5);
    QObject::connect(zamanlayici, &QTimer::timeout, zamanlayici, [zamanlayici, gecen, eylem, sure] {
        auto* modal = QApplication::activeModalWidget();
        if (!modal && gecen->elapsed() < sure.count())
            return;
        zamanlayici->stop();
        zamanlayici->deleteLater();
        delete gecen;
        if (modal)
            eylem(modal);
    });
    zamanlayici->start();
}

void ModallariKapat() {
    // A message box without an escape button ignores close(); rejecting ends any dialog.
    for (int i = 0; i < 20; ++i) {
        auto* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* pencere = qobject_cast<QDialog*>(modal))
            pencere->reject();
        else
            modal->close();
        QApplication::processEvents();
    }
}

} // namespace rvz::test
