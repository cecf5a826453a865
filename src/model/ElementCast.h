#pragma once
// Checked down-casts from the element base to its concrete class.

#include "model/Element.h"

#include <stdexcept>

namespace kalvorin {

namespace detail {
template <class T> constexpr TElementart ArtVon() {
    return T::Klassenart;
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
