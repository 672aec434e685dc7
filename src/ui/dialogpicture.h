#pragma once
// The pictures at the top of the carton and container dialogs.

class QLabel;
class QString;
class QWidget;

// A 160 x 160 label named "Image1" showing the picture of that name from the dialogs'
// resources ("carton.png", "container.png"), centred.
QLabel* dialogPicture(const QString& name, QWidget* parent);
