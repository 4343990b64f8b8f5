#include "ayar_dosyasi.h"

#include "klasorler.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <sys/stat.h>

namespace rvz::app {

namespace {

bool BolumBasligiMi(const QString& satir) {
    const auto t = satir.trimmed();
    return t.startsWith('[') && t.endsWith(']');
}

bool YorumMu(const QString& satir) {
    const auto t = satir.trimmed();
    return t.isEmpty() || t.startsWith(';') || t.startsWith('#');
}

bool Esit(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

QString AyarDosyasi::VarsayilanYol() {
    const auto klasor = VeriKlasoruAl();
    return klasor.isEmpty() ? QString() : QDir(klasor).filePath(QStringLiteral("ayar.ini"));
}

bool AyarDosyasi::Oku() {
    satirlar_.clear();
    QFile dosya(yol_);
    if (!dosya.open(QIODevice::ReadOnly))
        return false;
    auto metin = QString::fromUtf8(dosya.readAll());
    metin.remove(QLatin1Char('\r'));
    if (metin.startsWith(QChar(0xFEFF)))
        metin.remove(0, 1);
    satirlar_ = metin.split(QLatin1Char('\n'));
    if (!satirlar_.isEmpty() && satirlar_.last().isEmpty())
        satirlar_.removeLast();
    return true;
}

bool AyarDosyasi::Kaydet() const {
    QSaveFile dosya(yol_);
    if (!dosya.open(QIODevice::WriteOnly))
        return false;
    // The temporary file becomes the settings file; restrict it before anything is written.
    if (::fchmod(dosya.handle(), S_IRUSR | S_IWUSR) != 0) {
        dosya.cancelWriting();
        return false;
    }
    for (const auto& satir : satirlar_)
        dosya.write(satir.toUtf8() + "\r\n");
    return dosya.commit();
}

qsizetype AyarDosyasi::BolumSatiri(const QString& bolum) const {
    for (qsizetype i = 0; i < satirlar_.size(); ++i) {
        if (!BolumBasligiMi(satirlar_[i]))
            continue;
        const auto t = satirlar_[i].trimmed();
        if (Esit(t.mid(1, t.size() - 2).trimmed(), bolum))
            return i;
    }
    return -1;
}

qsizetype AyarDosyasi::AnahtarSatiri(qsizetype baslik, const QString& anahtar) const {
    for (qsizetype i = baslik + 1; i < satirlar_.size() && !BolumBasligiMi(satirlar_[i]); ++i) {
        if (YorumMu(satirlar_[i]))
            continue;
        const auto esittir = satirlar_[i].indexOf('=');
        if (esittir > 0 && Esit(satirlar_[i].left(esittir).trimmed(), anahtar))
            return i;
    }
    return -1;
}

std::optional<QString> AyarDosyasi::Deger(const QString& bolum, const QString& anahtar) const {
    const auto baslik = BolumSatiri(bolum);
    if (baslik < 0)
        return std::nullopt;
    const auto satir = AnahtarSatiri(baslik, anahtar);
    if (satir < 0)
        return std::nullopt;
    const auto& metin = satirlar_[satir];
    return metin.mid(metin.indexOf('=') + 1).trimmed();
}

QString AyarDosyasi::Deger(const QString& bolum, const QString& anahtar, const QString& varsayilan) const {
    return Deger(bolum, anahtar).value_or(varsayilan);
}

void AyarDosyasi::Ata(const QString& bolum, const QString& anahtar, const QString& deger) {
    const QString yeni = anahtar + QLatin1Char('=') + deger;
    auto baslik = BolumSatiri(bolum);
    if (baslik < 0) {
        satirlar_ << QLatin1Char('[') + bolum + QLatin1Char(']');
        baslik = satirlar_.size() - 1;
    }
    if (const auto satir = AnahtarSatiri(baslik, anahtar); satir >= 0) {
        satirlar_[satir] = yeni;
        return;
    }
    // After the section's last key, before any blank lines that separate it from the next one.
    auto yer = baslik + 1;
    for (auto i = baslik + 1; i < satirlar_.size() && !BolumBasligiMi(satirlar_[i]); ++i)
        if (!satirlar_[i].trimmed().isEmpty())
            yer = i + 1;
    satirlar_.insert(yer, yeni);
}

} // namespace rvz::app
