// Binary encoding of values, tables and messages, and the frame parser.
// Pure functions over byte buffers: no sockets, testable on their own.
#pragma once

#include "deger.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace rvz {

inline constexpr std::uint16_t kProtokolSurumu = 1;
inline constexpr char kSihirliSozcuk[4] = {'R', 'V', 'Z', 'P'};
inline constexpr std::size_t kCerceveBasligi = 4;                     // little-endian payload length
inline constexpr std::uint32_t kVarsayilanEnBuyukCerceve = 64u << 20; // 64 MiB

// A frame or value that breaks the format.
class ProtokolHatasi : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class MesajTuru : std::uint8_t {
    Merhaba = 'H',      // client hello: magic, protocol version, machine identifier
    MerhabaCevap = 'h', // server hello: protocol version, server name
    Cagri = 'C',        // call: method, one value per parameter ordinal
    Cevap = 'R',        // reply: one value per parameter ordinal plus the result
    Hata = 'E',         // error reply: text
};

struct Merhaba {
    std::uint16_t surum = kProtokolSurumu;
    std::string makineId;
};

struct MerhabaCevap {
    std::uint16_t surum = kProtokolSurumu;
    std::string sunucuAdi;
};

struct Cagri {
    std::string yontem; // "TServerMethods1." + member name
    Degerler degerler;
};

struct Cevap {
    bool hata = false;
    std::string hataMetni;
    Degerler degerler;
};

// Little-endian writer into a growing buffer.
class Yazici {
public:
    void U8(std::uint8_t v) { tampon_.push_back(static_cast<char>(v)); }
    void U16(std::uint16_t v);
    void U32(std::uint32_t v);
    void U64(std::uint64_t v);
    void F64(double v);
    void Metin(std::string_view s); // u32 length + bytes
    void Ham(std::string_view s) { tampon_.append(s); }
    std::string& Tampon() { return tampon_; }

private:
    std::string tampon_;
};

// Bounds-checked little-endian reader; every overrun raises ProtokolHatasi.
class Okuyucu {
public:
    explicit Okuyucu(std::string_view veri) : veri_(veri) {}
    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U32();
    std::uint64_t U64();
    double F64();
    std::string Metin();
    std::string_view Ham(std::size_t n);
    std::size_t Kalan() const { return veri_.size() - konum_; }
    void SonuBekle() const; // raises when bytes are left over

private:
    std::string_view veri_;
    std::size_t konum_ = 0;
};

void DegerYaz(Yazici& y, const Deger& d);
Deger DegerOku(Okuyucu& o);
void TabloYaz(Yazici& y, const Tablo& t);
Tablo TabloOku(Okuyucu& o);

// Whole frames, length prefix included.
std::string MerhabaKodla(const Merhaba& m);
std::string MerhabaCevapKodla(const MerhabaCevap& m);
std::string CagriKodla(const Cagri& c);
std::string CevapKodla(const Degerler& degerler);
std::string HataKodla(std::string_view metin);

// Payloads (without the length prefix).
MesajTuru MesajTuruOku(std::string_view govde);
Merhaba MerhabaCoz(std::string_view govde);
MerhabaCevap MerhabaCevapCoz(std::string_view govde);
Cagri CagriCoz(std::string_view govde);
Cevap CevapCoz(std::string_view govde); // a reply or an error reply

// Splits a byte stream into frame payloads.
class CerceveAyirici {
public:
    enum class Durum { Tamam, DahaFazla, Bozuk };
    explicit CerceveAyirici(std::uint32_t enBuyuk = kVarsayilanEnBuyukCerceve) : enBuyuk_(enBuyuk) {}

    void Ekle(std::string_view baytlar) { tampon_.append(baytlar); }
    // Tamam: one payload in `govde`; DahaFazla: wait for more bytes; Bozuk: see Hata().
    Durum Sonraki(std::string& govde);
    const std::string& Hata() const { return hata_; }
    bool BosMu() const { return tampon_.empty(); }
    // Bytes still needed to complete the current frame (at least 1 while incomplete).
    std::size_t Gereken() const;

private:
    std::uint32_t enBuyuk_;
    std::string tampon_;
    std::string hata_;
};

} // namespace rvz
