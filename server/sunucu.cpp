#include "sunucu.h"

#include "gunluk.h"

#include <asio.hpp>

#include <algorithm>
#include <array>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace rvz::sunucu {

using asio::ip::tcp;

struct Sunucu::Ic {
    Ic(SunucuAyarlari a, const Dagitici& d) : ayarlar(std::move(a)), dagitici(d), kabul(io) {}

    SunucuAyarlari ayarlar;
    const Dagitici& dagitici;
    asio::io_context io;
    tcp::acceptor kabul;
    std::vector<std::thread> isciler;
    std::atomic<int> acik{0};
    std::mutex kilit;
    std::condition_variable durdu;
    bool durduMu = false;

    void KabulEt();
};

namespace {

// One client connection. Keeps itself alive through the pending operations.
class Oturum : public std::enable_shared_from_this<Oturum> {
public:
    Oturum(tcp::socket soket, Sunucu::Ic& sunucu)
        : soket_(std::move(soket)), zamanlayici_(soket_.get_executor()), sunucu_(sunucu),
          ayirici_(sunucu.ayarlar.enBuyukCerceve) {
        std::error_code hata;
        const auto uc = soket_.remote_endpoint(hata);
        baglam_.adres = hata ? "?" : uc.address().to_string() + ":" + std::to_string(uc.port());
        soket_.set_option(tcp::no_delay(true), hata);
        ++sunucu_.acik;
    }
    ~Oturum() { --sunucu_.acik; }

    void Basla() {
        SureyiKur();
        Oku();
    }

private:
    void SureyiKur() {
        zamanlayici_.expires_after(sunucu_.ayarlar.bosSure);
        zamanlayici_.async_wait([self = shared_from_this()](std::error_code hata) {
            if (hata)
                return;
            self->Kapat(self->selamlasti_ ? "boşta kaldı" : "selamlaşma gelmedi");
        });
    }

    void Oku() {
        soket_.async_read_some(asio::buffer(tampon_),
                               [self = shared_from_this()](std::error_code hata, std::size_t n) {
                                   if (hata) {
                                       if (hata != asio::error::operation_aborted && !self->ayirici_.BosMu())
                                           self->Kaydet("çerçeve yarıda kesildi");
                                       self->Kapat({});
                                       return;
                                   }
                                   self->ayirici_.Ekle(std::string_view(self->tampon_.data(), n));
                                   self->Isle();
                               });
    }

    // Answers every complete frame in the buffer, one at a time, then reads on.
    void Isle() {
        std::string govde;
        switch (ayirici_.Sonraki(govde)) {
        case CerceveAyirici::Durum::DahaFazla:
            Oku();
            return;
        case CerceveAyirici::Durum::Bozuk:
            HataVeKapat(ayirici_.Hata());
            return;
        case CerceveAyirici::Durum::Tamam:
            break;
        }
        std::string cevap;
        try {
            if (!selamlasti_) {
                if (MesajTuruOku(govde) != MesajTuru::Merhaba) {
                    HataVeKapat("önce selamlaşma bekleniyor");
                    return;
                }
                const auto m = MerhabaCoz(govde);
                if (m.surum != kProtokolSurumu) {
                    HataVeKapat("desteklenmeyen protokol sürümü " + std::to_string(m.surum));
                    return;
                }
                baglam_.makineId = m.makineId;
                selamlasti_ = true;
                cevap = MerhabaCevapKodla({kProtokolSurumu, sunucu_.ayarlar.ad});
            } else {
                if (MesajTuruOku(govde) != MesajTuru::Cagri) {
                    HataVeKapat("çağrı bekleniyor");
                    return;
                }
                cevap = sunucu_.dagitici.Yanitla(baglam_, CagriCoz(govde));
            }
        } catch (const ProtokolHatasi& e) {
            HataVeKapat(std::string("bozuk ileti: ") + e.what());
            return;
        }
        SureyiKur();
        Yaz(std::move(cevap), false);
    }

    void Yaz(std::string cerceve, bool sonra_kapat) {
        giden_ = std::move(cerceve);
        asio::async_write(soket_, asio::buffer(giden_),
                          [self = shared_from_this(), sonra_kapat](std::error_code hata, std::size_t) {
                              if (hata || sonra_kapat) {
                                  self->Kapat({});
                                  return;
                              }
                              self->Isle();
                          });
    }

    void HataVeKapat(const std::string& neden) {
        Kaydet(neden);
        Yaz(HataKodla(neden), true);
    }

    void Kaydet(const std::string& olay) {
        Gunluk("bağlantı " + baglam_.adres +
               " makine=" + (baglam_.makineId.empty() ? "-" : baglam_.makineId) + ": " + olay);
    }

    void Kapat(const std::string& neden) {
        if (kapandi_)
            return;
        kapandi_ = true;
        if (!neden.empty())
            Kaydet(neden);
        std::error_code yoksay;
        zamanlayici_.cancel();
        soket_.shutdown(tcp::socket::shutdown_both, yoksay);
        soket_.close(yoksay);
    }

    tcp::socket soket_;
    asio::steady_timer zamanlayici_;
    Sunucu::Ic& sunucu_;
    CerceveAyirici ayirici_;
    std::array<char, 64 * 1024> tampon_;
    std::string giden_;
    CagriBaglami baglam_;
    bool selamlasti_ = false;
    bool kapandi_ = false;
};

} // namespace

void Sunucu::Ic::KabulEt() {
    // Each connection gets its own strand: its reads, writes and timer never run at once.
    kabul.async_accept(asio::make_strand(io), [this](std::error_code hata, tcp::socket soket) {
        if (hata == asio::error::operation_aborted || !kabul.is_open())
            return;
        if (!hata) {
            if (acik.load() >= ayarlar.enCokBaglanti) {
                Gunluk("bağlantı reddedildi: en çok " + std::to_string(ayarlar.enCokBaglanti) + " bağlantı");
                std::error_code yoksay;
                asio::write(soket, asio::buffer(HataKodla("Sunucu meşgul, daha sonra yeniden deneyin")),
                            yoksay);
                soket.close(yoksay);
            } else {
                std::make_shared<Oturum>(std::move(soket), *this)->Basla();
            }
        } else if (hata == asio::error::no_descriptors || hata == asio::error::no_buffer_space) {
            Gunluk("bağlantı kabul edilemedi: " + hata.message());
        }
        KabulEt();
    });
}

Sunucu::Sunucu(SunucuAyarlari ayarlar, const Dagitici& dagitici)
    : ic_(std::make_unique<Ic>(std::move(ayarlar), dagitici)) {}

Sunucu::~Sunucu() {
    Durdur();
    for (auto& t : ic_->isciler)
        if (t.joinable())
            t.join();
}

void Sunucu::Baslat() {
    auto& ic = *ic_;
    const tcp::endpoint uc(asio::ip::make_address(ic.ayarlar.dinle), ic.ayarlar.port);
    ic.kabul.open(uc.protocol());
    ic.kabul.set_option(tcp::acceptor::reuse_address(true));
    ic.kabul.bind(uc);
    ic.kabul.listen(asio::socket_base::max_listen_connections);
    ic.KabulEt();
    int n = ic.ayarlar.isParcacigi;
    if (n <= 0)
        n = std::max(8, 4 * static_cast<int>(std::thread::hardware_concurrency()));
    for (int i = 0; i < n; ++i)
        ic.isciler.emplace_back([&ic] { ic.io.run(); });
}

std::uint16_t Sunucu::Port() const {
    return ic_->kabul.local_endpoint().port();
}

int Sunucu::AcikBaglanti() const {
    return ic_->acik.load();
}

void Sunucu::Bekle(bool sinyaller) {
    auto& ic = *ic_;
    std::unique_ptr<asio::signal_set> sinyal;
    if (sinyaller) {
        sinyal = std::make_unique<asio::signal_set>(ic.io, SIGINT, SIGTERM);
        sinyal->async_wait([this](std::error_code hata, int no) {
            if (!hata) {
                Gunluk("sinyal " + std::to_string(no) + ": duruluyor");
                Durdur();
            }
        });
    }
    std::unique_lock kilitle(ic.kilit);
    ic.durdu.wait(kilitle, [&] { return ic.durduMu; });
    kilitle.unlock();
    for (auto& t : ic.isciler)
        if (t.joinable())
            t.join();
}

void Sunucu::Durdur() {
    auto& ic = *ic_;
    {
        std::lock_guard kilitle(ic.kilit);
        if (ic.durduMu)
            return;
        ic.durduMu = true;
    }
    asio::post(ic.io, [&ic] {
        std::error_code yoksay;
        ic.kabul.close(yoksay);
    });
    ic.io.stop();
    ic.durdu.notify_all();
}

} // namespace rvz::sunucu
