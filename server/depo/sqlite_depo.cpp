#include "sqlite_depo.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <unordered_map>

namespace rvz::sunucu {

class SqliteBaglantisi : public DepoBaglantisi {
public:
    explicit SqliteBaglantisi(const std::string& dosya)
        : db_(dosya, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE | SQLite::OPEN_FULLMUTEX, 10000) {
        db_.exec("PRAGMA journal_mode=WAL");
        db_.exec("PRAGMA synchronous=NORMAL");
        db_.exec("PRAGMA foreign_keys=ON");
        // A larger page cache and memory-mapped reads keep the catalogue's hot pages at hand.
        db_.exec("PRAGMA cache_size=-65536");
        db_.exec("PRAGMA mmap_size=268435456");
    }

    SorguSonucu Sorgula(std::string_view sql, const std::vector<Veri>& p) override {
        SorguSonucu s;
        Gez(sql, p, [&](const std::vector<Veri>& satir) { s.satirlar.push_back(satir); });
        s.adlar = sonAdlar_;
        return s;
    }

    void Gez(std::string_view sql, const std::vector<Veri>& p,
             const std::function<void(const std::vector<Veri>&)>& satir) override {
        auto& st = Hazirla(sql, p);
        const int n = st.getColumnCount();
        sonAdlar_.clear();
        for (int i = 0; i < n; ++i)
            sonAdlar_.emplace_back(st.getColumnName(i));
        std::vector<Veri> r(static_cast<std::size_t>(n));
        try {
            while (st.executeStep()) {
                for (int i = 0; i < n; ++i) {
                    auto c = st.getColumn(i);
                    auto& h = r[static_cast<std::size_t>(i)];
                    switch (c.getType()) {
                    case SQLITE_INTEGER:
                        h = static_cast<std::int64_t>(c.getInt64());
                        break;
                    case SQLITE_FLOAT:
                        h = c.getDouble();
                        break;
                    case SQLITE_TEXT:
                    case SQLITE_BLOB:
                        h = std::string(static_cast<const char*>(c.getBlob()),
                                        static_cast<std::size_t>(c.getBytes()));
                        break;
                    default:
                        h = std::monostate{};
                    }
                }
                satir(r);
            }
        } catch (const SQLite::Exception& e) {
            st.reset();
            throw DepoHatasi(e.what());
        } catch (...) {
            st.reset();
            throw;
        }
        st.reset();
    }

    std::int64_t Calistir(std::string_view sql, const std::vector<Veri>& p) override {
        auto& st = Hazirla(sql, p);
        try {
            st.exec();
        } catch (const SQLite::Exception& e) {
            st.reset();
            throw DepoHatasi(e.what());
        }
        st.reset();
        return db_.getChanges();
    }

    std::int64_t SonEklenenNo() override { return db_.getLastInsertRowid(); }
    void IslemBaslat(bool yazma) override { Yurut(yazma ? "BEGIN IMMEDIATE" : "BEGIN"); }
    void IslemOnayla() override { Yurut("COMMIT"); }
    void IslemGeriAl() noexcept override {
        if (sqlite3_get_autocommit(db_.getHandle()))
            return;
        try {
            db_.exec("ROLLBACK");
        } catch (...) {
            // Nothing was open (the failed statement already ended it).
        }
    }
    void Yurut(const std::string& betik) {
        try {
            db_.exec(betik);
        } catch (const SQLite::Exception& e) {
            throw DepoHatasi(e.what());
        }
    }

private:
    SQLite::Statement& Hazirla(std::string_view sql, const std::vector<Veri>& p) {
        auto it = hazir_.find(std::string(sql));
        if (it == hazir_.end()) {
            try {
                it =
                    hazir_
                        .emplace(std::string(sql), std::make_unique<SQLite::Statement>(db_, std::string(sql)))
                        .first;
            } catch (const SQLite::Exception& e) {
                throw DepoHatasi(std::string(e.what()) + " [" + std::string(sql) + "]");
            }
        }
        auto& st = *it->second;
        st.clearBindings();
        for (std::size_t i = 0; i < p.size(); ++i) {
            const int k = static_cast<int>(i) + 1;
            std::visit(
                [&](const auto& v) {
                    using V = std::decay_t<decltype(v)>;
                    if constexpr (std::is_same_v<V, std::monostate>)
                        st.bind(k);
                    else if constexpr (std::is_same_v<V, std::string>)
                        st.bind(k, v);
                    else
                        st.bind(k, v);
                },
                p[i]);
        }
        return st;
    }

    SQLite::Database db_;
    std::unordered_map<std::string, std::unique_ptr<SQLite::Statement>> hazir_;
    std::vector<std::string> sonAdlar_;
};

SqliteDepo::SqliteDepo(std::string dosya) : dosya_(std::move(dosya)) {
    auto b = Yeni();
    const auto& adimlar = SemaAdimlari();
    int surum = static_cast<int>(b->TekSayi("PRAGMA user_version"));
    if (surum > static_cast<int>(adimlar.size()))
        throw DepoHatasi("veritabanı bu sunucudan yeni bir şema sürümünde (" + std::to_string(surum) + ")");
    for (; surum < static_cast<int>(adimlar.size()); ++surum) {
        Islem islem(*b);
        b->Yurut(std::string(adimlar[static_cast<std::size_t>(surum)]));
        b->Yurut("PRAGMA user_version=" + std::to_string(surum + 1));
        islem.Onayla();
    }
    bosta_.push_back(std::move(b));
}

SqliteDepo::~SqliteDepo() = default;

std::unique_ptr<SqliteBaglantisi> SqliteDepo::Yeni() {
    return std::make_unique<SqliteBaglantisi>(dosya_);
}

Depo::Tutucu SqliteDepo::Al() {
    std::unique_ptr<SqliteBaglantisi> b;
    {
        std::lock_guard l(kilit_);
        if (!bosta_.empty()) {
            b = std::move(bosta_.back());
            bosta_.pop_back();
        }
    }
    if (!b)
        b = Yeni();
    return Tutucu(b.release(), [this](DepoBaglantisi* d) {
        std::unique_ptr<SqliteBaglantisi> geri(static_cast<SqliteBaglantisi*>(d));
        geri->IslemGeriAl(); // never hand on a connection with an open transaction
        std::lock_guard l(kilit_);
        if (bosta_.size() < 16)
            bosta_.push_back(std::move(geri));
    });
}

int SqliteDepo::SemaSurumu() {
    return static_cast<int>(Al()->TekSayi("PRAGMA user_version"));
}

} // namespace rvz::sunucu
