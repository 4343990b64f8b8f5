// The settings file ayar.ini: sections of "key=value" lines. Keys are kept exactly as written
// (non-ASCII letters included, e.g. "hatırla"), lines the program does not know survive a save,
// and the file is readable by its owner only, as it holds the remembered password.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace rvz::app {

class AyarDosyasi {
public:
    explicit AyarDosyasi(QString yol) : yol_(std::move(yol)) {}

    // The file in the per-user data folder.
    static QString VarsayilanYol();

    // Reads the file; false when it does not exist or cannot be read (then it reads as empty).
    bool Oku();
    // Writes the file whole, replacing it at once; false when that fails.
    bool Kaydet() const;

    // Section and key names match regardless of letter case, as INI readers do.
    std::optional<QString> Deger(const QString& bolum, const QString& anahtar) const;
    QString Deger(const QString& bolum, const QString& anahtar, const QString& varsayilan) const;
    void Ata(const QString& bolum, const QString& anahtar, const QString& deger);

    const QString& Yol() const { return yol_; }

private:
    // Index of the section's header line, -1 when missing.
    qsizetype BolumSatiri(const QString& bolum) const;
    // Index of the key's line inside the section that starts at `baslik`, -1 when missing.
    qsizetype AnahtarSatiri(qsizetype baslik, const QString& anahtar) const;

    QString yol_;
    QStringList satirlar_;
};

} // namespace rvz::app
