#pragma once
// The program's pictures: the ten toolbar pictures (32 × 32), the twelve tree and
// result-list pictures (16 × 16), the program icon and the about box picture.
// The drawings are SVG files of resources/cargolyx.qrc; the carton colour pictures are
// painted from the carton colour table so that they match the 3D view.

#include <QIcon>
#include <QPixmap>

inline constexpr int kToolbarPictureCount = 10;
inline constexpr int kToolbarPictureSize = 32;

// Pictures of the tree and the result list: 0 the container, 1-10 the carton colours
// (material + 1), 11 the totals row.
inline constexpr int kTreePictureCount = 12;
inline constexpr int kTreePictureSize = 16;
inline constexpr int kContainerPicture = 0;
inline constexpr int kTotalsPicture = 11;

// Toolbar picture 0-9 (new, open, save, add carton, delete carton, run, fill, export,
// options, about); an empty icon for any other index.
QIcon toolbarPicture(int index);
// Tree picture 0-11; an empty icon for any other index.
QIcon treePicture(int index);
// The picture of a carton type in the tree and the result list.
QIcon cartonPicture(int material);
QIcon programIcon();
QPixmap aboutPicture();
