#include "pdf.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>
#include <numeric>

namespace rvz::sunucu {

namespace {

constexpr double kEn = 595.0, kBoy = 842.0, kKenar = 36.0, kSatir = 14.0;

cairo_status_t Biriktir(void* hedef, const unsigned char* veri, unsigned int uzunluk) {
    static_cast<std::string*>(hedef)->append(reinterpret_cast<const char*>(veri), uzunluk);
    return CAIRO_STATUS_SUCCESS;
}

class Cizici {
public:
    explicit Cizici(std::string& cikti)
        : yuzey_(cairo_pdf_surface_create_for_stream(Biriktir, &cikti, kEn, kBoy), cairo_surface_destroy),
          cr_(cairo_create(yuzey_.get()), cairo_destroy),
          yerlesim_(pango_cairo_create_layout(cr_.get()), g_object_unref) {}
    ~Cizici() {
        cr_.reset();
        cairo_surface_finish(yuzey_.get());
    }

    // Draws `metin` at (x, y) within `genislik`, cut with an ellipsis; answers its height.
    double Yaz(const std::string& metin, double x, double y, double genislik,
               const char* yazi = "DejaVu Sans 8") {
        auto* fd = pango_font_description_from_string(yazi);
        pango_layout_set_font_description(yerlesim_.get(), fd);
        pango_font_description_free(fd);
        pango_layout_set_width(yerlesim_.get(), static_cast<int>(genislik * PANGO_SCALE));
        pango_layout_set_ellipsize(yerlesim_.get(), PANGO_ELLIPSIZE_END);
        pango_layout_set_text(yerlesim_.get(), metin.c_str(), -1);
        cairo_move_to(cr_.get(), x, y);
        pango_cairo_show_layout(cr_.get(), yerlesim_.get());
        int w = 0, h = 0;
        pango_layout_get_pixel_size(yerlesim_.get(), &w, &h);
        return h;
    }
    void Cizgi(double y) {
        cairo_set_line_width(cr_.get(), 0.5);
        cairo_move_to(cr_.get(), kKenar, y);
        cairo_line_to(cr_.get(), kEn - kKenar, y);
        cairo_stroke(cr_.get());
    }
    void SayfaAtla() { cairo_show_page(cr_.get()); }

private:
    std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> yuzey_;
    std::unique_ptr<cairo_t, void (*)(cairo_t*)> cr_;
    std::unique_ptr<PangoLayout, void (*)(gpointer)> yerlesim_;
};

} // namespace

std::string PdfYap(const PdfBelge& belge) {
    std::string cikti;
    {
        Cizici c(cikti);
        const double genislik = kEn - 2 * kKenar;
        std::vector<double> oran = belge.genislikler;
        if (oran.size() != belge.sutunlar.size())
            oran.assign(belge.sutunlar.size(), 1.0);
        const double toplam = std::accumulate(oran.begin(), oran.end(), 0.0);
        auto basliklar = [&](double y) {
            double x = kKenar;
            for (std::size_t i = 0; i < belge.sutunlar.size(); ++i) {
                const double w = genislik * oran[i] / toplam;
                c.Yaz(belge.sutunlar[i], x, y, w - 4, "DejaVu Sans Bold 8");
                x += w;
            }
            c.Cizgi(y + kSatir);
            return y + kSatir + 3;
        };
        double y = kKenar;
        y += c.Yaz(belge.baslik, kKenar, y, genislik, "DejaVu Sans Bold 14") + 6;
        for (const auto& s : belge.ustBilgi)
            y += c.Yaz(s, kKenar, y, genislik, "DejaVu Sans 9") + 2;
        y += 6;
        if (!belge.sutunlar.empty())
            y = basliklar(y);
        for (const auto& satir : belge.satirlar) {
            if (y + kSatir > kBoy - kKenar) {
                c.SayfaAtla();
                y = basliklar(kKenar);
            }
            double x = kKenar;
            for (std::size_t i = 0; i < belge.sutunlar.size() && i < satir.size(); ++i) {
                const double w = genislik * oran[i] / toplam;
                c.Yaz(satir[i], x, y, w - 4);
                x += w;
            }
            y += kSatir;
        }
        y += 8;
        for (const auto& s : belge.altBilgi) {
            if (y + kSatir > kBoy - kKenar) {
                c.SayfaAtla();
                y = kKenar;
            }
            y += c.Yaz(s, kKenar, y, genislik, "DejaVu Sans Bold 9") + 2;
        }
    }
    return cikti;
}

std::string TutarYazisi(double tutar) {
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.2f", std::fabs(tutar));
    std::string s = tampon;
    const auto nokta = s.find('.');
    std::string tam = s.substr(0, nokta), sonuc;
    for (std::size_t i = 0; i < tam.size(); ++i) {
        if (i > 0 && (tam.size() - i) % 3 == 0)
            sonuc += '.';
        sonuc += tam[i];
    }
    return (tutar < 0 && std::round(std::fabs(tutar) * 100) != 0 ? "-" : "") + sonuc + "," +
           s.substr(nokta + 1);
}

std::string TarihYazisi(double oleTarih) {
    const auto saniye = static_cast<std::time_t>(std::llround((oleTarih - 25569.0) * 86400.0));
    std::tm t{};
    gmtime_r(&saniye, &t);
    char tampon[48];
    std::snprintf(tampon, sizeof tampon, "%02d.%02d.%04d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900);
    return tampon;
}

} // namespace rvz::sunucu
