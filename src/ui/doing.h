#pragma once
// The progress dialog of a calculation: shown modally while the headless run works on a
// worker thread, with an animation and a Cancel button. The window keeps painting; the
// worker hands its outcome back to this thread and waits until finishRun has run.

#include <QDialog>
#include <thread>

#include "engine/calculation.h"

class QLabel;
class QPushButton;
class FormHost;
class LoadingAnimation;

class TDoingDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TDoingDlg(FormHost& host, QWidget* parent = nullptr);
  ~TDoingDlg() override;

  // Shows the dialog modally for one calculation; returns once the run has ended and its
  // worker has finished.
  int exec() override;
  // True when the user cancelled the last run. Kept until the next run starts.
  bool cancelRequested() const { return run.cancelRequested.load(); }

  // Asks the search to give up; the dialog closes when the worker has handed over.
  void CancelBtnClick();
  // Runs on this thread at the worker's request: keeps or clears the blocks and closes.
  void finishRun(bool success);

  CalculationRun run;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  // Starts the run: clears the cancel flag, assigns the group keys, starts the worker.
  void FormShow();
  void execute();

  FormHost& host_;
  std::thread worker_;
  bool running_ = false;

  LoadingAnimation* TheAnimate;
  QLabel* Label1;
  QPushButton* CancelBtn;
};
