#pragma once
// Placement rules of the frame window and of the document windows inside it.
// Plain rectangle arithmetic so the rules can be checked without a screen.

#include <QRect>
#include <QSize>
#include <QVector>

namespace kalvorin {

// Room left at the right edge of the screen for the object list.
inline constexpr int ObjektlistenBreite = 145;
inline constexpr QSize HauptfensterMindestgroesse{250, 200};

// The frame (outer) rectangle of the main window on a screen whose usable
// area (without task bars and panels) is verfuegbar.
QRect HauptfensterRahmen(const QRect& verfuegbar);

// Keeps a document window inside a client area of the given size: negative
// left or top become 0, width and height are cut at the client edges, and a
// window left narrower than 50 or lower than 75 is moved back so that at
// least that much of it stays reachable.
QRect ImClientbereich(const QRect& fenster, const QSize& client);

// "Nebeneinander anordnen": n windows side by side (columns); with more than
// three windows a grid whose columns are filled first.
QVector<QRect> NebeneinanderAnordnen(int n, const QRect& client);
// "Übereinander anordnen": n windows one above the other (rows).
QVector<QRect> UebereinanderAnordnen(int n, const QRect& client);
// "Überlappend": n windows stacked from the bottom one to the top one, each
// c down and 1.5 c to the right of the one before, as new windows start (c:
// the height of a caption and a border line). All have the same size: the
// client area less the room the stack needs, but never less than two thirds
// of it each way; a stack that needs more room starts again at the top left.
QVector<QRect> UeberlappendAnordnen(int n, const QRect& client, int c);

} // namespace kalvorin
