// Storage behind an interface: the business layer speaks plain, parameterised SQL
// (the common subset of SQLite and PostgreSQL, `?` placeholders) through a borrowed
// connection. A backend supplies connections and transactions; SQLite is the one today.
#pragma once

#include "deger.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace rvz::sunucu {

// A parameter or a cell: null, whole number, floating-point number or text (bytes too).
using Veri = Hucre;
using Parametreler = std::initializer_list<Veri>;

// A failure of the storage itself (not of the caller's input).
class DepoHatasi : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct SorguSonucu {
    std::vector<std::string> adlar;
    std::vector<std::vector<Veri>> satirlar;
    bool Bos() const { return satirlar.empty(); }
};

class DepoBaglantisi {
public:
    virtual ~DepoBaglantisi() = default;
    virtual SorguSonucu Sorgula(std::string_view sql, const std::vector<Veri>& p) = 0;
    // Runs a statement; answers the number of rows it changed.
    virtual std::int64_t Calistir(std::string_view sql, const std::vector<Veri>& p) = 0;
    // Calls `satir` for every row without collecting them (large reads, exports).
    virtual void Gez(std::string_view sql, const std::vector<Veri>& p,
                     const std::function<void(const std::vector<Veri>&)>& satir) = 0;
    virtual std::int64_t SonEklenenNo() = 0;
    virtual void IslemBaslat(bool yazma) = 0;
    virtual void IslemOnayla() = 0;
    virtual void IslemGeriAl() noexcept = 0;

    SorguSonucu Sorgula(std::string_view sql, Parametreler p = {}) {
        return Sorgula(sql, std::vector<Veri>(p));
    }
    std::int64_t Calistir(std::string_view sql, Parametreler p = {}) {
        return Calistir(sql, std::vector<Veri>(p));
    }
    // The first cell of the first row, or null.
    Veri Tek(std::string_view sql, Parametreler p = {});
    std::int64_t TekSayi(std::string_view sql, Parametreler p = {}, std::int64_t yoksa = 0);
    double TekOndalik(std::string_view sql, Parametreler p = {}, double yoksa = 0);
};

// A transaction that rolls back when it goes out of scope without `Onayla()`.
// A writing transaction takes the write lock at its start, so two writers queue
// instead of failing halfway.
class Islem {
public:
    Islem(DepoBaglantisi& b, bool yazma = true) : b_(b) { b_.IslemBaslat(yazma); }
    ~Islem() {
        if (!bitti_)
            b_.IslemGeriAl();
    }
    Islem(const Islem&) = delete;
    Islem& operator=(const Islem&) = delete;
    void Onayla() {
        b_.IslemOnayla();
        bitti_ = true;
    }

private:
    DepoBaglantisi& b_;
    bool bitti_ = false;
};

class Depo {
public:
    virtual ~Depo() = default;
    // A connection for the calling thread's use until the handle is released.
    using Tutucu = std::unique_ptr<DepoBaglantisi, std::function<void(DepoBaglantisi*)>>;
    virtual Tutucu Al() = 0;
};

// Cell helpers: numbers read from any numeric cell, text from a text cell.
std::int64_t Sayi(const Veri& v);
double Ondalik(const Veri& v);
std::string Metin(const Veri& v);

} // namespace rvz::sunucu
