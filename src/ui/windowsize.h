#pragma once
// The main window's size and place on the screen it opens on.

#include <QRect>
#include <QSize>

// The designed size of the main window, the least it opens with where the screen has room.
inline constexpr QSize kDesignedWindowSize{761, 518};

// The size the window opens with on a screen whose free area is available: four fifths of
// it, no less than the designed size and no more than the area.
QSize initialWindowSize(const QSize& available);
// A frame (a restored one, say) moved and shrunk as needed to lie within available.
QRect fittedOnScreen(const QRect& frame, const QRect& available);
