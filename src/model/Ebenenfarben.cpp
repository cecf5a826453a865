#include "model/Ebenenfarben.h"

namespace kalvorin {

namespace {

// The colour dialog's first ten custom colours.
constexpr TFarbe EbenenFarben[10] = {
    RGB(253, 173, 159), RGB(253, 225, 159), RGB(248, 252, 160), RGB(200, 251, 162),
    RGB(162, 251, 210), RGB(163, 253, 250), RGB(163, 173, 250), RGB(210, 164, 249),
    RGB(248, 165, 210), RGB(247, 166, 168),
};

} // namespace

TFarbe TEbenenFarbfolge::Naechste() {
    index_ = index_ > 8 ? 0 : index_ + 1;
    return EbenenFarben[index_];
}

TEbenenFarbfolge& EbenenFarbfolge() {
    static TEbenenFarbfolge folge;
    return folge;
}

} // namespace kalvorin
