#include "ana_pencere_ortami.h"

#include "izgara.h"
#include "proxim.h"
#include "sepet_sekmesi.h"
#include "stoklistesi.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

namespace rvz::test {

bool AnaPencereOrtami::Baslat(const QString& makine, int genislik) {
    if (!sunucu_.Baslat(0,
                        {QStringLiteral("--demo"), QStringLiteral("--demo-items"), QStringLiteral("300")})) {
        hata_ = sunucu_.Hata();
        return false;
    }
    auto ayarlar = sunucu_.Parametreler();
    ayarlar.makineId = makine.toStdString();
    baglanti_ = std::make_unique<app::TBaglanti>(ayarlar);
    baglanti_->Ac();
    istemci_ = std::make_unique<TServerMethods1Client>(baglanti_->DBXConnection());

    form_ = std::make_unique<app::TForm1>();
    form_->bagc.Parametreler() = ayarlar;
    form_->sbilgi.Kopyala(*istemci_->BuyukGetir(makine.toStdString()));
    form_->sbilgi.BILGISAYARID = makine.toStdString();
    if (app::SaticiMi(form_->sbilgi.MusteriTipi)) {
        form_->sbilgi.CARINO = 1;
        form_->sbilgi.CariAdi = "DEMO BAYİ";
    }
    form_->KullaniciTipiUygula(form_->sbilgi.MusteriTipi);
    form_->resize(genislik, 800);
    form_->show();
    return QTest::qWaitForWindowExposed(form_.get());
}

TServerMethods1Client& AnaPencereOrtami::Istemci() {
    return *istemci_;
}

TSonucBilgisi* AnaPencereOrtami::Oturum() const {
    auto* k = new TSonucBilgisi;
    k->Kopyala(form_->sbilgi);
    return k;
}

void AnaPencereOrtami::Yaz(QWidget* hedef, const QString& metin) {
    for (const QChar harf : metin) {
        QKeyEvent basma(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(harf));
        QApplication::sendEvent(hedef, &basma);
        QKeyEvent birakma(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(harf));
        QApplication::sendEvent(hedef, &birakma);
    }
}

bool AnaPencereOrtami::Ara(const QString& metin) {
    auto* kutu = form_->AramaKutusu();
    kutu->clear();
    Yaz(kutu, metin);
    QTest::keyClick(kutu, Qt::Key_Return);
    return QTest::qWaitFor([kutu] { return kutu->isEnabled(); }, 10000);
}

bool AnaPencereOrtami::SepetiGoster() {
    auto* sekmeler = form_->Sekmeler();
    if (sekmeler->currentIndex() == app::TForm1::ssepet)
        form_->SepetSekmesi()->Goster();
    else
        sekmeler->setCurrentIndex(app::TForm1::ssepet);
    auto* sekme = form_->SepetSekmesi();
    return QTest::qWaitFor([sekme] { return !sekme->Yukleniyor(); }, 10000);
}

void AnaPencereOrtami::CiftTikla(QWidget* izgara, int satir, int sutun) {
    auto* tablo = static_cast<TIzgara*>(izgara)->Tablo();
    const auto indeks = tablo->model()->index(satir, sutun);
    tablo->scrollTo(indeks);
    tablo->setCurrentIndex(indeks);
    const QPoint nokta = tablo->visualRect(indeks).center();
    QTest::mouseClick(tablo->viewport(), Qt::LeftButton, {}, nokta);
    QTest::mouseDClick(tablo->viewport(), Qt::LeftButton, {}, nokta);
}

QString AnaPencereOrtami::ResimKaydet(QWidget* pencere, const QString& ad) {
    const QString yol = QDir(QCoreApplication::applicationDirPath()).filePath(ad);
    pencere->grab().save(yol);
    return yol;
}

} // namespace rvz::test
