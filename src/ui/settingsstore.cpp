#include "ui/settingsstore.h"

#include <QSettings>
#include <memory>

#include "ui/qtext.h"

namespace {

const char* const kGeometry = "window/geometry";
const char* const kTreeSplitter = "window/treeSplitter";
const char* const kResultSplitter = "window/resultSplitter";

std::unique_ptr<QSettings> store() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Cargolyx", "Cargolyx");
}

}  // namespace

StoredSettings SettingsStore::read() const {
  const auto settings = store();
  SettingsText text;
  // A value that is not plain text (a list, a damaged entry) reads as empty and falls back.
  for (const QString& key : settings->allKeys()) text[std8(key)] = std8(settings->value(key).toString());
  return readStoredSettings(text);
}

WindowLayout SettingsStore::readLayout() const {
  const auto settings = store();
  return {settings->value(kGeometry).toByteArray(), settings->value(kTreeSplitter).toByteArray(),
          settings->value(kResultSplitter).toByteArray()};
}

void SettingsStore::write(const StoredSettings& stored, const WindowLayout& layout) {
  const auto settings = store();
  settings->clear();
  for (const auto& [key, value] : writeStoredSettings(stored)) settings->setValue(qs(key), qs(value));
  settings->setValue(kGeometry, layout.geometry);
  settings->setValue(kTreeSplitter, layout.treeSplitter);
  settings->setValue(kResultSplitter, layout.resultSplitter);
}

void SettingsStore::clear() { store()->clear(); }
