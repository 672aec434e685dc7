#pragma once
// The progress dialog of a calculation: shown modally while the calculation call works on
// a worker thread, with an animation, the time spent so far (and for the load-max planner
// the best fill found so far) and a Cancel button. The
// worker gets its own copy of the request and hands back a report; it never touches the
// project, so the window keeps painting and answering while it runs.

#include <QDialog>
#include <QElapsedTimer>
#include <atomic>
#include <memory>
#include <thread>

#include "commands/calculate.h"

class QLabel;
class QPushButton;
class QTimer;
class LoadingAnimation;

class TDoingDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TDoingDlg(QWidget* parent = nullptr);
  ~TDoingDlg() override;

  // Shows the dialog modally while the request is calculated; returns the report once the
  // worker has finished.
  CalculationReport runCalculation(const CalculationRequest& request);
  // True when the user cancelled the last run. Kept until the next run starts.
  bool cancelRequested() const { return token_ && token_->cancelRequested(); }

  // Asks the calculation to stop; the dialog closes when the worker has handed over.
  void CancelBtnClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  // Starts the worker on the pending request.
  void FormShow();
  // Runs on this thread when the worker hands its report over: keeps it and closes.
  void finishRun(CalculationReport report);
  // The time spent and, for the load-max planner, the best fill the search has found.
  void showProgress();

  std::thread worker_;
  bool running_ = false;
  bool pending_ = false;  // a request waits for the dialog to show
  CalculationRequest request_;
  CalculationReport report_;
  std::unique_ptr<CancelToken> token_;  // one per run; the worker holds it until it ends
  std::atomic<double> bestFill_{0.0};    // written by the load-max search, read by the clock
  std::atomic<std::int32_t> containersPlanned_{0};  // written by several containers, read by the clock
  std::atomic<double> bestCost_{0.0};
  bool fleetRun_ = false;  // the run plans several containers
  QElapsedTimer started_;

  LoadingAnimation* TheAnimate;
  QLabel* lblNote;
  QLabel* lblElapsed;
  QLabel* lblBestFill;
  QPushButton* CancelBtn;
  QTimer* elapsedClock;
};
