// A table with one column of every column kind, one row of values (Turkish text, bytes with
// zeros, extreme integers) and one row of nulls: what a round trip must keep exactly.
#pragma once

#include "deger.h"

namespace rvz::test {

inline Tablo HerTurdenTablo() {
    Tablo t;
    t.SutunEkle("I", SutunTuru::Integer);
    t.SutunEkle("I64", SutunTuru::Int64);
    t.SutunEkle("D", SutunTuru::Double);
    t.SutunEkle("P", SutunTuru::Currency);
    t.SutunEkle("B", SutunTuru::Bcd);
    t.SutunEkle("E", SutunTuru::Boolean);
    t.SutunEkle("T", SutunTuru::Date);
    t.SutunEkle("TS", SutunTuru::DateTime);
    t.SutunEkle("Açıklama", SutunTuru::WideText);
    t.SutunEkle("A8", SutunTuru::AnsiText);
    t.SutunEkle("Y", SutunTuru::Bytes);
    t.satirlar.push_back({std::int64_t{-2147483647 - 1}, std::int64_t{1} << 40, 1234567.891, 12.3456, 0.1,
                          std::int64_t{1}, OleTarih(2026, 12, 11), OleTarih(2026, 12, 11, 13, 30),
                          std::string("ÇĞİÖŞÜ ışığı"), std::string("KARGO"), std::string("\0\xff\x01", 3)});
    t.satirlar.push_back(std::vector<Hucre>(11)); // every cell null
    return t;
}

} // namespace rvz::test
