#pragma once
// The colours new planes take in turn, however they are made (the plane
// dialog, a plane from marked elements, a mid-plane): never the colour of
// the points a plane is made from, which is the colour of new points and
// would hide them on it.

#include "math/Farbe.h"

namespace kalvorin {

// The ten default colours, starting with the second; one sequence for the
// whole program run and all documents.
class TEbenenFarbfolge {
public:
    TFarbe Naechste();

private:
    int index_ = 0;
};
TEbenenFarbfolge& EbenenFarbfolge();

} // namespace kalvorin
