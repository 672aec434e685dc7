#include "ui/dialogpicture.h"

#include <QLabel>
#include <QPixmap>

// The resources live in a static library, so they are registered by hand.
static void registerDialogResources() { Q_INIT_RESOURCE(dialogs); }

QLabel* dialogPicture(const QString& name, QWidget* parent) {
  static const bool registered = (registerDialogResources(), true);
  (void)registered;
  auto* label = new QLabel(parent);
  label->setObjectName(QStringLiteral("Image1"));
  label->setFixedSize(160, 160);
  label->setAlignment(Qt::AlignCenter);
  label->setPixmap(QPixmap(QStringLiteral(":/dialogs/") + name));
  return label;
}
