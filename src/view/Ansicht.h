#pragma once
// Setting up a view from its coordinate system: the window of the drawing
// plane, the display cube of the scene, the rotation sphere, and the
// coordinate axes and planes as the first objects of every rebuild.

#include "math/Koordinatensystem.h"
#include "storage/Einstellungen.h"
#include "view/GSzene.h"
#include "view/Weltabbildung.h"

namespace kalvorin {

// The coordinate system a new document window starts with.
TKoordinatensystem KoordinatensystemFuerNeuesFenster(const TStandardEinstellungen& einstellungen);

// Installs the world window for the display cube of the coordinate system
// (computing H first if it is still 0), sets the scene's display cube
// (which clears the scene) and its rotation sphere. The view matrix stays.
void ZeichenfensterEinrichten(TKoordinatensystem& ks, TWeltAbbildung& abbildung, tGSzene& szene);

// The first step of every rebuild: the drawn axes, then the drawn planes.
void KoordinatensystemInSzene(tGSzene& szene, const TKoordinatensystem& ks);

// The window of the textbook view: the pictures of the drawn axes with a
// margin of one unit, its edges on whole squares (half units), so that the
// squared paper fills it and 1 unit is 1 cm on paper.
TWeltRechteck Heftfenster(const TKoordinatensystem& ks);

// "Ausgangslage": the view every window starts with; in the textbook view
// the exact textbook position.
void AusgangslageSetzen(tGSzene& szene);

} // namespace kalvorin
