#pragma once
// The window's open project as a document: the file it came from or was last saved to,
// whether it changed since, the window title and the question asked before it is set aside.

#include <string>
#include <string_view>

#include "model/fillscheme.h"

class DocumentState {
 public:
  // After New, Open or a successful Save: project is what the file holds (filePath empty
  // for a project never saved).
  void reset(const FillScheme& project, std::string filePath);
  // Whether project (its input or its result) differs from what was opened or last saved.
  bool isModified(const FillScheme& project) const;
  const std::string& filePath() const { return filePath_; }

 private:
  FillScheme saved_;
  std::string filePath_;
};

// "demo.pak* — Cargolyx": the file's name (without its folder) or "未命名", a star when
// modified, the program's name last.
std::string windowTitle(std::string_view filePath, bool modified);
// Asked before a changed project is closed, replaced or set aside: Save, Discard, Cancel.
std::string saveChangesQuestion(std::string_view filePath);
