#include "stoklistesi.h"

#include "baglanti_ac.h"
#include "beklesinu.h"
#include "izgara.h"
#include "mesaj.h"
#include "proxim.h"
#include "stok_sutunlari.h"
#include "sutunorani.h"
#include "veriseti.h"
#include "verisetiislemleri.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>

#include <memory>

namespace rvz::katalog {

namespace {

constexpr int kFiyatBilgisiGenisligi = 150;

// Runs on a worker: a fresh connection copy, the search, the result into `stok`. True on failure.
bool StokListesiGetir(const app::BaglantiParametreleri& ayarlar, TSonucBilgisi bilgi, const std::string& kod,
                      TVeriSeti& stok, int& satirSayisi) {
    app::TBaglanti baglanti(ayarlar);
    if (!app::BaglantiAc(baglanti, 0))
        return true;
    bool basarisiz = false;
    stok.DisableControls();
    try {
        TServerMethods1Client istemci(baglanti.DBXConnection());
        auto* kopya = new TSonucBilgisi;
        kopya->Kopyala(bilgi);
        stok.PaketAta(istemci.StokAraGetir(kod, kopya));
        if (stok.AlanNo("IND1") < 0)
            basarisiz = true;
        else {
            SayiBicimiVer(stok);
            satirSayisi = stok.RecordCount();
        }
    } catch (const std::exception&) {
        basarisiz = true;
    }
    stok.EnableControls();
    baglanti.Kapat();
    return basarisiz;
}

} // namespace

TStokListesi::TStokListesi(StokListesiBaglami baglam, QWidget* ust)
    : QWidget(ust), b_(std::move(baglam)), stokgrid_(new TIzgara(this)) {
    stokgrid_->setObjectName(QStringLiteral("stokgrid"));
    stokgrid_->SutunlariTanimla(StokSutunlari({}));
    stokgrid_->RenkleriAyarla(QColor(255, 255, 255), QColor(240, 245, 252), QColor(255, 214, 102));
    stokgrid_->VeriSetiBagla(b_.stok);
    stokgrid_->Tablo()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(stokgrid_->Tablo(), &QWidget::customContextMenuRequested, this, &TStokListesi::MenuGoster);
    connect(stokgrid_, &TIzgara::CiftTiklandi, this, &TStokListesi::KartIstendi);
    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->addWidget(stokgrid_);
}

void TStokListesi::KurallariUygula(const app::KullaniciTipiKurallari& kurallar) {
    stokgrid_->SutunlariTanimla(StokSutunlari(kurallar));
    StokSutunlariniAyarla(window()->width());
}

bool TStokListesi::AramaSuruyor() const {
    return !b_.araedit->isEnabled();
}

void TStokListesi::Ara() {
    if (b_.sekmeyiAc)
        b_.sekmeyiAc();
    if (b_.araedit->text().trimmed().size() < 3) {
        app::MesajVer(QStringLiteral("Lütfen en az 3 harf giriniz !"), app::mtUyari, app::kTamamTusu,
                      app::mbTamam);
        return;
    }
    b_.araedit->setEnabled(false);
    b_.gosterge->show();
    stokgrid_->setUpdatesEnabled(false);
    stokgrid_->VeriSetiAyir();
    stokgrid_->SuzgeciTemizle();

    // The worker gets copies: the settings, the session record and the text as typed.
    auto sonuc = std::make_shared<std::pair<bool, int>>(true, 0);
    const auto ayarlar = b_.bagc->Parametreler();
    const TSonucBilgisi bilgi = *b_.sbilgi;
    const std::string kod = b_.araedit->text().toStdString();
    TVeriSeti* stok = b_.stok;
    app::ArkaPlanCagrisi([=] {
        sonuc->first = StokListesiGetir(ayarlar, bilgi, kod, *stok, sonuc->second);
    })->Await([this, sonuc] {
        if (!sonuc->first && b_.basligiYaz)
            b_.basligiYaz(QString::number(sonuc->second) + QLatin1Char('=') + kStokListesi);
        AramaBitti(sonuc->first);
    });
}

void TStokListesi::AramaBitti(bool basarisiz) {
    b_.araedit->setEnabled(true);
    if (basarisiz)
        b_.stok->Bosalt();
    stokgrid_->VeriSetiBagla(b_.stok);
    stokgrid_->setUpdatesEnabled(true);
    StokSutunlariniAyarla(window()->width());
    b_.araedit->selectAll();
    b_.araedit->setFocus();
    b_.gosterge->hide();
    if (basarisiz) {
        app::MesajVer(app::kBaglantiKurulamiyor, app::mtHata, app::kTamamTusu, app::mbTamam);
        if (b_.basligiYaz)
            b_.basligiYaz(kStokListesi);
    }
}

void TStokListesi::Temizle() {
    if (AramaSuruyor())
        return;
    if (b_.stok->Acik() && b_.stok->RecordCount() > 0) {
        b_.stok->Bosalt();
        if (b_.basligiYaz)
            b_.basligiYaz(kStokListesi);
    }
    if (b_.sekmeyiAc)
        b_.sekmeyiAc();
    stokgrid_->SuzgeciTemizle();
    b_.araedit->clear();
    b_.araedit->selectAll();
    b_.araedit->setFocus();
}

void TStokListesi::StokSutunlariniAyarla(int pencereGenisligi) {
    if (AramaSuruyor())
        return;
    const bool genis = pencereGenisligi > kDarPencereSiniri;
    stokgrid_->setUpdatesEnabled(false);
    const auto& sutunlar = stokgrid_->Sutunlar();
    // A price column the user type may not see stays hidden (the campaign price of type 4).
    for (const char* alan : {"KDVDAHIL", "NETFIYAT", "KAMPFIYAT", "LISTEFIYAT1"}) {
        const int no = stokgrid_->SutunNo(alan);
        stokgrid_->SutunGorunur(no, genis && sutunlar[static_cast<std::size_t>(no)].sunulan);
    }
    int fiyatBilgisi = -1;
    for (std::size_t i = 0; i < sutunlar.size(); ++i)
        if (sutunlar[i].baslik == kFiyatBilgisi)
            fiyatBilgisi = static_cast<int>(i);
    stokgrid_->SatirYuksekligi(genis ? 40 : 100);
    // The narrow layout's price information column has a fixed width; the others share the rest,
    // so it is not pushed out of sight.
    stokgrid_->SutunGorunur(fiyatBilgisi, false);
    SutunlariOranla(*stokgrid_, genis ? stokgrid_->width() : stokgrid_->width() - kFiyatBilgisiGenisligi);
    stokgrid_->SutunGorunur(fiyatBilgisi, !genis);
    if (!genis) {
        for (const char* alan : {"OEM1", "OEM2", "OEM3"})
            stokgrid_->Baslik()->resizeSection(stokgrid_->SutunNo(alan), 80);
        stokgrid_->Baslik()->resizeSection(fiyatBilgisi, kFiyatBilgisiGenisligi);
    }
    stokgrid_->setUpdatesEnabled(true);
}

void TStokListesi::resizeEvent(QResizeEvent* olay) {
    QWidget::resizeEvent(olay);
    StokSutunlariniAyarla(window()->width());
}

void TStokListesi::MenuGoster(const QPoint& konum) {
    QMenu menu(this);
    auto* ekle = menu.addAction(QStringLiteral("Sepete Ekle"));
    menu.addSeparator();
    menu.addAction(QStringLiteral("Sipariş Bakiyeleriniz"))->setEnabled(false);
    menu.addSeparator();
    auto* siparisler = menu.addAction(QStringLiteral("Siparişleri Göster"));
    siparisler->setEnabled(false); // comes with the all-orders window
    const int satir = stokgrid_->OdakSatir();
    auto* secilen = menu.exec(stokgrid_->Tablo()->viewport()->mapToGlobal(konum));
    if (secilen == ekle && satir >= 0)
        emit KartIstendi(satir);
}

} // namespace rvz::katalog
