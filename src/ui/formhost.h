#pragma once
// What the dialogs reach of the main window: the project, the settings, the carton
// tree and the message boxes. The main window implements it; tests may too.

struct FillScheme;
struct Settings;
class MessageBoxes;

class FormHost {
 public:
  virtual ~FormHost() = default;
  virtual FillScheme& project() = 0;
  virtual Settings& settings() = 0;
  virtual MessageBoxes& messages() = 0;
  // The 0-based index, among the root's children, of the selected tree node;
  // -1 when no node or the root is selected.
  virtual int selectedCartonIndex() const = 0;
  // Removes the selected carton node from the tree (after the carton itself was removed).
  virtual void deleteSelectedCartonNode() = 0;
  // Rebuilds the carton tree from the project; with clearResults also empties the result.
  virtual void refreshTree(bool clearResults) = 0;
  // The options dialog changed the settings: the window keeps them for the next start.
  virtual void settingsChanged() {}
};
