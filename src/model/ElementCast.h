#pragma once
// Checked down-casts from the element base to its concrete class.

#include "model/Element.h"

#include <stdexcept>

namespace kalvorin {

namespace detail {
template <class T> constexpr TElementart ArtVon();
template <> constexpr TElementart ArtVon<TfrPunkt>() {
    return TElementart::DfrPunkt;
}
template <> constexpr TElementart ArtVon<TVektor>() {
    return TElementart::DVektor;
}
template <> constexpr TElementart ArtVon<TPfeil>() {
    return TElementart::DPfeil;
}
template <> constexpr TElementart ArtVon<TStrecke>() {
    return TElementart::DStrecke;
}
template <> constexpr TElementart ArtVon<TGerade>() {
    return TElementart::DGerade;
}
template <> constexpr TElementart ArtVon<TDreieck>() {
    return TElementart::DDreieck;
}
template <> constexpr TElementart ArtVon<TPyramide3>() {
    return TElementart::DPyramide3;
}
template <> constexpr TElementart ArtVon<TEbene>() {
    return TElementart::DEbene;
}
} // namespace detail

template <class T> bool Ist(const TDreiDBasisElement* e) {
    return e != nullptr && e->Art == detail::ArtVon<T>();
}

template <class T> T& Als(TDreiDBasisElement& e) {
    if (e.Art != detail::ArtVon<T>())
        throw std::logic_error("Element '" + e.Name + "' hat nicht die erwartete Art");
    return static_cast<T&>(e);
}

template <class T> const T& Als(const TDreiDBasisElement& e) {
    return Als<T>(const_cast<TDreiDBasisElement&>(e));
}

} // namespace kalvorin
