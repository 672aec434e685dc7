#include "ui/keyfilter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

void filterKeys(QLineEdit* box, const QString& allowed) {
  box->installEventFilter(new KeyFilter(allowed, box));
  // An input method would commit its text past the key filter.
  box->setAttribute(Qt::WA_InputMethodEnabled, false);
}

}  // namespace

KeyFilter::KeyFilter(QString allowed, QObject* parent) : QObject(parent), allowed_(std::move(allowed)) {}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  for (QChar ch : key->text())
    if (ch.isPrint() && !allowed_.contains(ch)) return true;  // swallowed
  return false;
}

void acceptDigitKeysOnly(QLineEdit* box) { filterKeys(box, QStringLiteral("0123456789")); }

void acceptDecimalKeysOnly(QLineEdit* box) { filterKeys(box, QStringLiteral("0123456789.")); }
