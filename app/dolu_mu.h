// Whether a dataset holds anything, for any dataset that tells whether it is open and its row count.
#pragma once

#include <concepts>

namespace rvz::app {

template <class V>
concept KayitSayan = requires(const V& v) {
    { v.Active() } -> std::convertible_to<bool>;
    { v.RecordCount() } -> std::convertible_to<long long>;
};

// True when the dataset exists, is open and holds at least one record.
template <KayitSayan V> bool DoluMu(const V* veri) {
    return veri && veri->Active() && veri->RecordCount() > 0;
}

template <KayitSayan V> bool DoluMu(const V& veri) {
    return DoluMu(&veri);
}

} // namespace rvz::app
