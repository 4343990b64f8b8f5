// PDF documents (reports, receipts) drawn with cairo and pango: a title, header lines,
// a table that continues over pages, and footer lines.
#pragma once

#include <string>
#include <vector>

namespace rvz::sunucu {

struct PdfBelge {
    std::string baslik;
    std::vector<std::string> ustBilgi;
    std::vector<std::string> sutunlar;
    std::vector<double> genislikler; // relative column widths; equal when empty
    std::vector<std::vector<std::string>> satirlar;
    std::vector<std::string> altBilgi;
};

// The bytes of the PDF file.
std::string PdfYap(const PdfBelge& belge);

// "1.234.567,89": money as Turkish readers write it.
std::string TutarYazisi(double tutar);
// "31.12.2024" from an OLE Automation date.
std::string TarihYazisi(double oleTarih);

} // namespace rvz::sunucu
