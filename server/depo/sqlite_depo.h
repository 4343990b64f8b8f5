// The SQLite backend: one file in WAL mode, a small pool of connections (each used by
// one thread at a time), prepared statements kept per connection, a busy timeout so
// that writers queue, and the schema brought up to date when the file is opened.
#pragma once

#include "depo.h"

#include <mutex>
#include <string>
#include <vector>

namespace rvz::sunucu {

class SqliteBaglantisi;

class SqliteDepo : public Depo {
public:
    // Opens (or creates) the file and applies the missing schema steps.
    explicit SqliteDepo(std::string dosya);
    ~SqliteDepo() override;

    Tutucu Al() override;
    const std::string& Dosya() const { return dosya_; }
    int SemaSurumu();

private:
    std::unique_ptr<SqliteBaglantisi> Yeni();

    std::string dosya_;
    std::mutex kilit_;
    std::vector<std::unique_ptr<SqliteBaglantisi>> bosta_;
};

// The schema steps, oldest first; the database's user_version counts those applied.
const std::vector<std::string_view>& SemaAdimlari();

} // namespace rvz::sunucu
