#include "cari_bilgileri.h"

#include "sayibicimi.h"
#include "veriseti.h"

#include <QFormLayout>
#include <QLabel>

#include <functional>

namespace rvz::sales {

namespace {

// Reads fields of one row as the grid shows them.
class SatirOkuru {
public:
    SatirOkuru(const TVeriSeti& veri, int satir) : veri_(veri), satir_(satir) {}
    QString operator()(const char* alan) const {
        const int sutun = veri_.AlanNo(alan);
        return sutun < 0 || veri_.BosMu(satir_, sutun) ? QString() : veri_.GosterimMetni(satir_, sutun);
    }
    double Sayi(const char* alan) const {
        const int sutun = veri_.AlanNo(alan);
        return sutun < 0 ? 0.0 : veri_.SayiDegeri(satir_, sutun);
    }

private:
    const TVeriSeti& veri_;
    int satir_;
};

struct Bilgi {
    QString etiket;
    const char* ad; // objectName of the value
    std::function<QString(const SatirOkuru&)> deger;
    bool saga = false;
};

const std::vector<Bilgi>& Bilgiler() {
    static const std::vector<Bilgi> tablo = {
        {QStringLiteral("CariKod:"), "degerCariKod", [](const SatirOkuru& r) { return r("CARIKOD"); }},
        {QStringLiteral("Cari Adı:"), "degerCariAdi", [](const SatirOkuru& r) { return r("CARIADI"); }},
        {QStringLiteral("Yetkili:"), "degerYetkili", [](const SatirOkuru& r) { return r("YETKILI"); }},
        {QStringLiteral("Özel Kod:"), "degerOzelKod", [](const SatirOkuru& r) { return r("OZELKOD"); }},
        {QStringLiteral("Ana Grup:"), "degerAnaGrup", [](const SatirOkuru& r) { return r("ANAGRUP"); }},
        {QStringLiteral("Alt Grup:"), "degerAltGrup", [](const SatirOkuru& r) { return r("ALTGRUP"); }},
        {QStringLiteral("Adres:"), "degerAdres",
         [](const SatirOkuru& r) {
             return r("ADRES1") + u'\n' + r("ADRES2") + u'\n' + r("ILCE") + u'/' + r("IL");
         }},
        {QStringLiteral("Vergi D.:"), "degerVergi",
         [](const SatirOkuru& r) { return r("VERGIDAIRESI") + u'/' + r("VERGINO"); }},
        {QStringLiteral("Telefon:"), "degerTelefon",
         [](const SatirOkuru& r) { return r("TEL1") + u'\n' + r("TEL2"); }},
        {QStringLiteral("Fax:"), "degerFax",
         [](const SatirOkuru& r) { return r("FAX1") + u'\n' + r("FAX2"); }},
        {QStringLiteral("Gsm:"), "degerGsm", [](const SatirOkuru& r) { return r("GSM"); }},
        {QStringLiteral("E-mail:"), "degerEmail", [](const SatirOkuru& r) { return r("EMAIL"); }},
        {QStringLiteral("İndirim %:"), "degerIndirim", [](const SatirOkuru& r) { return r("INDIRIM"); }},
        {QStringLiteral("Vade (Gün):"), "degerVade", [](const SatirOkuru& r) { return r("VADE"); }},
        {QStringLiteral("Bakiye:"), "degerBakiye",
         [](const SatirOkuru& r) { return BicimliSayi(r.Sayi("TLBAKIYE"), kSayiBicimi) + u' ' + r("DURUM"); },
         true},
    };
    return tablo;
}

} // namespace

TCariBilgileri::TCariBilgileri(QWidget* ust) : QGroupBox(QStringLiteral("Cari Bilgileri"), ust) {
    setObjectName(QStringLiteral("caribilgileri"));
    auto* duzen = new QFormLayout(this);
    duzen->setLabelAlignment(Qt::AlignRight | Qt::AlignTop);
    duzen->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    duzen->setRowWrapPolicy(QFormLayout::DontWrapRows);
    for (const auto& b : Bilgiler()) {
        auto* etiket = new QLabel(b.etiket, this);
        auto* deger = new QLabel(this);
        deger->setObjectName(QString::fromLatin1(b.ad));
        deger->setAccessibleName(b.etiket.chopped(1));
        deger->setTextInteractionFlags(Qt::TextSelectableByMouse);
        deger->setTextFormat(Qt::PlainText);
        deger->setWordWrap(true);
        deger->setMinimumWidth(160);
        if (b.saga)
            deger->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        etiket->setBuddy(deger);
        duzen->addRow(etiket, deger);
        degerler_.push_back(deger);
    }
}

void TCariBilgileri::Doldur(const TVeriSeti& veri, int satir) {
    const SatirOkuru okur(veri, satir);
    const auto& tablo = Bilgiler();
    for (std::size_t i = 0; i < tablo.size(); ++i)
        degerler_[i]->setText(tablo[i].deger(okur));
}

QString TCariBilgileri::Deger(const QString& etiket) const {
    const auto& tablo = Bilgiler();
    for (std::size_t i = 0; i < tablo.size(); ++i)
        if (tablo[i].etiket == etiket)
            return degerler_[i]->text();
    return {};
}

} // namespace rvz::sales
