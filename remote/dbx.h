// The command layer the remote-method client is written against: a connection makes
// commands, a prepared command holds one parameter per wire position, a parameter's
// value holder takes arguments and gives back out values and results.
#pragma once

#include "deger.h"
#include "katalog.h"
#include "kayit.h"

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace rvz {

// A failure of the call itself: the server's error reply, a lost connection, a reply
// that does not fit the method's signature, a read of the wrong kind.
class UzakHata : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Stream of bytes, read from a position.
class TStream {
public:
    explicit TStream(std::string baytlar) : baytlar_(std::move(baytlar)) {}
    virtual ~TStream() = default;
    std::int64_t Size() const { return static_cast<std::int64_t>(baytlar_.size()); }
    std::int64_t Position() const { return konum_; }
    void Seek(std::int64_t konum);
    // Reads up to `n` bytes; returns how many were read.
    virtual std::int64_t Read(char* hedef, std::int64_t n);

private:
    std::string baytlar_;
    std::int64_t konum_ = 0;
};

// A JSON value (arrays and record objects).
class TJSONValue {
public:
    explicit TJSONValue(Json deger) : deger_(std::move(deger)) {}
    const Json& Deger() const { return deger_; }
    std::string ToString() const { return deger_.dump(); }

private:
    Json deger_;
};
using TJSONArray = TJSONValue;

// Forward-only reader over a table.
class TDBXReader {
public:
    explicit TDBXReader(std::shared_ptr<const Tablo> tablo);
    bool Next();
    int ColumnCount() const { return static_cast<int>(tablo_->sutunlar.size()); }
    const std::string& ColumnName(int i) const;
    SutunTuru ColumnType(int i) const;
    int ColumnIndex(std::string_view ad) const { return tablo_->SutunNo(ad); }

    bool IsNull(int i) const;
    std::int32_t GetInt32(int i) const;
    std::int64_t GetInt64(int i) const;
    double GetDouble(int i) const; // double, currency, decimal, date and date-time columns
    bool GetBoolean(int i) const;
    std::string GetWideString(int i) const;
    std::string GetAnsiString(int i) const; // 8-bit text columns only
    std::string GetBytes(int i) const;

    // The whole table, for copying into a dataset.
    const Tablo& Tablosu() const { return *tablo_; }

private:
    const Hucre& Oku(int i, std::initializer_list<SutunTuru> turler) const;

    std::shared_ptr<const Tablo> tablo_;
    std::int64_t satir_ = -1;
};

// A whole dataset packet (columns and rows), assigned as a whole; null for none.
using OleVariant = std::shared_ptr<const Tablo>;

class TDBXValue {
public:
    void SetNull();
    void SetInt32(std::int32_t v);
    void SetDouble(double v);
    void SetBoolean(bool v);
    void SetWideString(const std::string& v);
    void SetJSONValue(std::unique_ptr<TJSONValue> v); // the holder owns the value from then on
    void SetCallbackValue(const std::string& ad);

    bool IsNull() const { return deger_.IsNull(); }
    std::int32_t GetInt32() const;
    std::int64_t GetInt64() const;
    double GetDouble() const;
    bool GetBoolean() const;
    std::string GetWideString() const;
    OleVariant GetAsVariant() const;
    // With `sahipKalsin` true the holder keeps the object (released at the command's next
    // execution or release); with false the caller receives it and releases it. Null gives nullptr.
    TDBXReader* GetDBXReader(bool sahipKalsin);
    TStream* GetStream(bool sahipKalsin);
    TJSONValue* GetJSONValue(bool sahipKalsin);

    const rvz::Deger& Ham() const { return deger_; }
    void HamAta(rvz::Deger d);

private:
    void Beklenen(DegerTuru tur) const;

    rvz::Deger deger_;
    std::unique_ptr<TDBXReader> okuyucu_;
    std::unique_ptr<TStream> akis_;
    std::unique_ptr<TJSONValue> json_;
};

class TDBXParameter {
public:
    explicit TDBXParameter(Parametre tanim) : tanim_(tanim) {}
    const Parametre& Tanim() const { return tanim_; }
    TDBXValue& Value() { return deger_; }

private:
    Parametre tanim_;
    TDBXValue deger_;
};

class TDBXConnection;

class TDBXCommand {
public:
    explicit TDBXCommand(TDBXConnection& baglanti) : baglanti_(baglanti) {}

    std::string CommandType;
    std::string Text;

    // Fills the parameter list from the catalogue: one parameter per wire position.
    void Prepare();
    bool Prepared() const { return uye_ != nullptr; }
    // Sends the current input values; fills the out parameters and the result from the reply.
    void ExecuteUpdate();
    // Keeps an object alive until the command is next executed or released.
    void FreeOnExecute(std::unique_ptr<TKayit> nesne);

    TDBXParameter& Parameter(int i);
    int ParameterCount() const { return static_cast<int>(parametreler_.size()); }
    const Uye& Uyesi() const;
    int CalistirmaSayisi() const { return calistirma_; }

private:
    TDBXConnection& baglanti_;
    const Uye* uye_ = nullptr;
    std::vector<std::unique_ptr<TDBXParameter>> parametreler_;
    std::vector<std::unique_ptr<TKayit>> serbestBirakilacak_;
    int calistirma_ = 0;
};

// Command-level handle of a server connection.
class TDBXConnection {
public:
    virtual ~TDBXConnection() = default;
    std::unique_ptr<TDBXCommand> CreateCommand() { return std::make_unique<TDBXCommand>(*this); }
    // One exchange: sends the call, answers the values of every wire position of the reply.
    // Raises UzakHata with the server's text on an error reply.
    virtual Degerler Yurut(const Uye& uye, const Degerler& girdiler) = 0;
};

} // namespace rvz
