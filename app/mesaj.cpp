#include "mesaj.h"

#include "arayuz_devri.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <map>
#include <mutex>

namespace rvz::app {

namespace {

struct TusTanimi {
    MesajTusu tus;
    int sonuc;
    const char* etiket;                   // null: the toolkit's own label
    QMessageBox::StandardButton standart; // NoButton: a button of our own
};

// Every button the dialog can carry, in the order they are added.
constexpr TusTanimi kTuslar[] = {
    {mbEvet, mrEvet, "Evet", QMessageBox::Yes},
    {mbHayir, mrHayir, "Hayır", QMessageBox::No},
    {mbTamam, mrTamam, "Tamam", QMessageBox::Ok},
    {mbVazgec, mrVazgec, "Vazgeç", QMessageBox::Cancel},
    {mbIptal, mrIptal, "İptal", QMessageBox::Abort},
    {mbTekrar, mrTekrar, "Tekrar", QMessageBox::Retry},
    {mbAtla, mrAtla, "Atla", QMessageBox::Ignore},
    {mbTumu, mrTumu, "Tümü", QMessageBox::NoButton}, // the toolkit has no "All" of its own
    {mbTumuneHayir, mrTumuneHayir, "Tümüne Hayır", QMessageBox::NoToAll},
    {mbTumuneEvet, mrTumuneEvet, "Tümüne Evet", QMessageBox::YesToAll},
    {mbYardim, mrYardim, "Yardım", QMessageBox::Help},
    {mbKapat, mrKapat, nullptr, QMessageBox::Close},
};

constexpr int kMesajYaziBoyu = 15;
constexpr const char* kSonucOzelligi = "rvzSonuc";

std::mutex sunucuKilidi;
MesajSunucusu etkinSunucu;
QPointer<QWidget> anaPencere;

QMessageBox::Icon Simge(int tur) {
    switch (tur) {
    case mtUyari:
        return QMessageBox::Warning;
    case mtHata:
        return QMessageBox::Critical;
    case mtBilgi:
        return QMessageBox::Information;
    case mtSoru:
        return QMessageBox::Question;
    default:
        return QMessageBox::NoIcon;
    }
}

QString Baslik(int tur) {
    switch (tur) {
    case mtUyari:
        return QStringLiteral("Uyarı");
    case mtHata:
        return QStringLiteral("Hata");
    case mtBilgi:
        return QStringLiteral("Bilgi");
    case mtSoru:
        return QStringLiteral("Soru");
    default:
        return QGuiApplication::applicationDisplayName();
    }
}

// The message box sets its final size only while it is being shown, so it is centred after that.
class MesajKutusu : public QMessageBox {
public:
    MesajKutusu(Icon simge, const QString& baslik, const QString& metin, QWidget* ust)
        : QMessageBox(simge, baslik, metin, NoButton, ust) {}

protected:
    void showEvent(QShowEvent* olay) override {
        QMessageBox::showEvent(olay);
        QRect alan;
        if (auto* ust = parentWidget(); ust && ust->isVisible())
            alan = ust->window()->frameGeometry();
        else if (auto* ekran = QGuiApplication::primaryScreen())
            alan = ekran->availableGeometry();
        if (alan.isValid())
            move(alan.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
};

int GercekPencere(const MesajIstegi& istek) {
    QWidget* ust = anaPencere ? anaPencere.data() : QApplication::activeWindow();
    std::unique_ptr<QMessageBox> kutu(MesajPenceresiOlustur(istek, ust));
    if (istek.tur >= mtUyari && istek.tur <= mtSoru)
        QApplication::beep();
    kutu->exec();
    const auto* basilan = kutu->clickedButton();
    return basilan ? basilan->property(kSonucOzelligi).toInt() : mrYok;
}

} // namespace

int TusSonucu(MesajTusu tus) {
    for (const auto& t : kTuslar)
        if (t.tus == tus)
            return t.sonuc;
    return mrYok;
}

QMessageBox* MesajPenceresiOlustur(const MesajIstegi& istek, QWidget* ust) {
    auto* kutu =
        new QMessageBox(Simge(istek.tur), Baslik(istek.tur), istek.metin, QMessageBox::NoButton, ust);
    auto yazi = kutu->font();
    yazi.setPointSize(kMesajYaziBoyu);
    kutu->setFont(yazi);
    QAbstractButton* kacis = nullptr;
    for (const auto& t : kTuslar) {
        if (!(istek.tuslar & TusBiti(t.tus)))
            continue;
        QPushButton* dugme = t.standart == QMessageBox::NoButton
                                 ? kutu->addButton(QString::fromUtf8(t.etiket), QMessageBox::AcceptRole)
                                 : kutu->addButton(t.standart);
        if (t.etiket)
            dugme->setText(QString::fromUtf8(t.etiket));
        dugme->setProperty(kSonucOzelligi, t.sonuc);
        if (t.tus == istek.ilkTus)
            kutu->setDefaultButton(dugme);
        if (t.tus == mbVazgec || (t.tus == mbHayir && !kacis))
            kacis = dugme;
    }
    // Escape and the close box mean Cancel, else No; a single button is its own escape.
    if (kacis)
        kutu->setEscapeButton(kacis);
    return kutu;
}

MesajSunucusu MesajSunucusuAta(MesajSunucusu sunucu) {
    std::lock_guard kilit(sunucuKilidi);
    std::swap(etkinSunucu, sunucu);
    return sunucu;
}

void AnaPencereAta(QWidget* pencere) {
    anaPencere = pencere;
}

int MesajVer(const QString& metin, int tur, int tuslar, int ilkTus) {
    const MesajIstegi istek{metin, tur, tuslar, ilkTus};
    int sonuc = mrYok;
    ArayuzdeCalistir([&] {
        MesajSunucusu sunucu;
        {
            std::lock_guard kilit(sunucuKilidi);
            sunucu = etkinSunucu;
        }
        sonuc = sunucu ? sunucu(istek) : GercekPencere(istek);
    });
    return sonuc;
}

} // namespace rvz::app
