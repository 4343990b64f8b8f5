// Dispatch of calls by the shared member catalogue: arguments checked against the
// member's signature, the implementation run, its answer checked the same way.
#pragma once

#include "deger.h"
#include "katalog.h"
#include "kodlama.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <unordered_map>

namespace rvz::sunucu {

// Who is calling: the machine identifier of the hello and the peer address.
struct CagriBaglami {
    std::string makineId;
    std::string adres;
};

// An error whose text goes back to the caller as the error reply.
class IsHatasi : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Every wire position of one call: inputs filled in, outs and the result to be set.
class Konumlar {
public:
    Konumlar(const Uye& uye, Degerler degerler) : uye_(uye), d_(std::move(degerler)) {}

    const Uye& Uyesi() const { return uye_; }
    std::int32_t Int(int i) const {
        return static_cast<std::int32_t>(d_.at(static_cast<std::size_t>(i)).tam);
    }
    double Double(int i) const { return d_.at(static_cast<std::size_t>(i)).ondalik; }
    bool Bool(int i) const { return d_.at(static_cast<std::size_t>(i)).tam != 0; }
    const std::string& Metin(int i) const { return d_.at(static_cast<std::size_t>(i)).metin; }
    bool Bos(int i) const { return d_.at(static_cast<std::size_t>(i)).IsNull(); }
    // The JSON text of a record argument (empty when the argument is null).
    const std::string& KayitMetni(int i) const { return Metin(i); }

    void Ata(int i, Deger d) { d_.at(static_cast<std::size_t>(i)) = std::move(d); }
    void Sonuc(Deger d) { Ata(uye_.SonucKonumu(), std::move(d)); }
    Degerler& Hepsi() { return d_; }

private:
    const Uye& uye_;
    Degerler d_;
};

using Isleyici = std::function<void(const CagriBaglami&, Konumlar&)>;

class Dagitici {
public:
    // Implements a member; the name must be in the catalogue.
    void Kaydet(std::string_view uye, Isleyici isleyici);
    bool KayitliMi(std::string_view uye) const;

    // Answers the whole reply frame for one call frame's payload: the values, or an
    // error reply with the reason.
    std::string Yanitla(const CagriBaglami& baglam, const Cagri& cagri) const;

    // Members the caller may use before its machine is known; others are refused by
    // the access check, when one is set.
    using Denetci = std::function<void(const CagriBaglami&, const Uye&)>;
    void YetkiDenetcisi(Denetci d) { denetci_ = std::move(d); }

private:
    std::unordered_map<std::string_view, Isleyici> isleyiciler_;
    Denetci denetci_;
};

} // namespace rvz::sunucu
