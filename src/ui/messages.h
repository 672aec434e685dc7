#pragma once
// Every message box of the program goes through this interface, owned by the main
// window, so that tests can record the texts and answer the questions.

#include <QString>
#include <QStringList>
#include <deque>

class QWidget;

// The answers to the question asked before a changed project is set aside.
enum class SaveChoice { Save, Discard, Cancel };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // An information box: the text, the information icon and OK.
  virtual void information(const QString& text) = 0;
  // A question: the text, the information icon, Yes and No. True for Yes.
  virtual bool question(const QString& text) = 0;
  // The text, the warning icon, Save, Discard and Cancel (Escape).
  virtual SaveChoice askToSave(const QString& text) = 0;
  // An information box with a button for a further step beside OK ("打开文件夹"): true
  // when that button was chosen.
  virtual bool informationWithAction(const QString& text, const QString& action) = 0;
};

// Modal QMessageBox windows with the caption "Cargolyx".
class QtMessageBoxes : public MessageBoxes {
 public:
  explicit QtMessageBoxes(QWidget* parent) : parent_(parent) {}
  void information(const QString& text) override;
  bool question(const QString& text) override;
  SaveChoice askToSave(const QString& text) override;
  bool informationWithAction(const QString& text, const QString& action) override;

 private:
  QWidget* parent_;
};

// Records what would have been shown and answers questions from queues (No, Cancel when empty).
class RecordingMessageBoxes : public MessageBoxes {
 public:
  void information(const QString& text) override { shown.append(text); }
  bool question(const QString& text) override {
    shown.append(text);
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  SaveChoice askToSave(const QString& text) override {
    shown.append(text);
    if (saveAnswers.empty()) return SaveChoice::Cancel;
    const SaveChoice answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
  }

  bool informationWithAction(const QString& text, const QString& action) override {
    shown.append(text);
    actions.append(action);
    if (actionAnswers.empty()) return false;
    const bool answer = actionAnswers.front();
    actionAnswers.pop_front();
    return answer;
  }

  QStringList shown;          // every text, information and question alike, in order
  QStringList actions;        // the further steps offered beside OK, in order
  std::deque<bool> answers;   // the answers to the coming questions
  std::deque<bool> actionAnswers;  // whether the coming further steps are chosen (not when empty)
  std::deque<SaveChoice> saveAnswers;  // the answers to the coming save questions (Cancel when empty)
};
