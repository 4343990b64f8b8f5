// Result tables: every column name the server sends has one kind, kept in one place so
// that the same column crosses with the same kind from every member, rows or none.
#pragma once

#include "depo.h"

#include <initializer_list>
#include <string_view>
#include <utility>

namespace rvz::sunucu {

SutunTuru SutunTuruVer(std::string_view ad);

// The rows of a query as a table, each cell brought to its column's kind.
// `ozel` gives a member's own kind for a name that means something else elsewhere.
using OzelTurler = std::initializer_list<std::pair<std::string_view, SutunTuru>>;
Tablo Tabloya(const SorguSonucu& s, OzelTurler ozel = {});

// Appends a column; the cells of existing rows are filled by `deger(row)`.
template <class F> void SutunEkle(Tablo& t, std::string ad, F deger) {
    t.SutunEkle(ad, SutunTuruVer(ad));
    for (auto& r : t.satirlar)
        r.push_back(deger(r));
}

// Cell access by column name (the column must exist).
double OndalikAl(const Tablo& t, const std::vector<Hucre>& r, std::string_view ad);
void Yaz(Tablo& t, std::vector<Hucre>& r, std::string_view ad, Hucre h);

} // namespace rvz::sunucu
