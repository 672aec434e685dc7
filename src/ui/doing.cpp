#include "ui/doing.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "ui/loadinganimation.h"
#include "ui/qtext.h"

TDoingDlg::TDoingDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("DoingDlg");
  setWindowTitle(tr("正在计算中，请稍候……"));
  // A title bar without close box or system menu: the run ends by Cancel only.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setModal(true);
  QFont font = this->font();
  font.setPixelSize(12);
  setFont(font);

  TheAnimate = new LoadingAnimation(this);
  TheAnimate->setObjectName("TheAnimate");
  TheAnimate->setFixedSize(80, 50);

  // The note keeps its width and takes the height its lines need, so that it never runs
  // into the button whatever the font.
  lblNote = new QLabel(tr("　　计算所需的时间视计算机性能的不同而定，按“取消”键可以中断计算。"), this);
  lblNote->setObjectName("lblNote");
  lblNote->setWordWrap(true);
  lblNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblNote->setFixedWidth(296);
  lblNote->setMinimumHeight(lblNote->heightForWidth(296));

  lblElapsed = new QLabel(this);
  lblElapsed->setObjectName("lblElapsed");
  lblBestFill = new QLabel(this);
  lblBestFill->setObjectName("lblBestFill");

  CancelBtn = new QPushButton(tr("取消"), this);
  CancelBtn->setObjectName("CancelBtn");
  CancelBtn->setFixedSize(89, 25);
  connect(CancelBtn, &QPushButton::clicked, this, &TDoingDlg::CancelBtnClick);

  auto* top = new QHBoxLayout;
  top->addWidget(TheAnimate, 0, Qt::AlignTop);
  top->addSpacing(16);
  top->addWidget(lblNote);
  auto* progress = new QHBoxLayout;
  progress->addWidget(lblElapsed);
  progress->addSpacing(16);
  progress->addWidget(lblBestFill, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addLayout(top);
  layout->addLayout(progress);
  layout->addWidget(CancelBtn, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // Often enough to follow a load-max search of a second or two.
  elapsedClock = new QTimer(this);
  elapsedClock->setInterval(250);
  connect(elapsedClock, &QTimer::timeout, this, &TDoingDlg::showProgress);
}

TDoingDlg::~TDoingDlg() {
  // Only reached with a run going when the program is torn down in the middle of it:
  // the worker gives up at the cancel and ends without waiting for this thread.
  if (worker_.joinable()) {
    token_->cancel();
    worker_.join();
  }
}

CalculationReport TDoingDlg::runCalculation(const CalculationRequest& request) {
  request_ = request;
  report_ = CalculationReport{};
  pending_ = true;
  QDialog::exec();
  pending_ = false;
  if (worker_.joinable()) worker_.join();
  return report_;
}

void TDoingDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TDoingDlg::FormShow() {
  if (running_ || !pending_) return;
  if (worker_.joinable()) worker_.join();
  pending_ = false;
  CancelBtn->setEnabled(true);
  TheAnimate->play();
  started_.start();
  bestFill_.store(0.0);
  containersPlanned_.store(0);
  bestCost_.store(0.0);
  CalculationRequest request = request_;
  request.bestFill = request.planningMode == PlanningMode::LoadMax ? &bestFill_ : nullptr;
  fleetRun_ = request.planningMode == PlanningMode::Fleet;
  if (fleetRun_) {
    request.containersPlanned = &containersPlanned_;
    request.bestCost = &bestCost_;
  }
  lblBestFill->setVisible(request.bestFill != nullptr || fleetRun_);
  showProgress();
  elapsedClock->start();
  token_ = std::make_unique<CancelToken>();
  running_ = true;
  worker_ = std::thread([this, request, token = token_.get()] {
    CalculationReport report = calculate(request, *token);
    QMetaObject::invokeMethod(
        this, [this, report = std::move(report)]() mutable { finishRun(std::move(report)); },
        Qt::QueuedConnection);
  });
}

void TDoingDlg::finishRun(CalculationReport report) {
  report_ = std::move(report);
  running_ = false;
  elapsedClock->stop();
  accept();
}

void TDoingDlg::showProgress() {
  lblElapsed->setText(qs(elapsedTimeText(started_.elapsed() / 1000)));
  lblBestFill->setText(fleetRun_ ? qs(bestFleetText(containersPlanned_.load(), bestCost_.load()))
                                 : qs(bestFillText(bestFill_.load())));
}

void TDoingDlg::CancelBtnClick() {
  if (token_) token_->cancel();
  CancelBtn->setEnabled(false);
}

void TDoingDlg::hideEvent(QHideEvent* event) {
  TheAnimate->stop();
  elapsedClock->stop();
  QDialog::hideEvent(event);
}

void TDoingDlg::closeEvent(QCloseEvent* event) {
  // Closing the window while the worker runs means cancelling; it closes on hand-over.
  if (running_) {
    CancelBtnClick();
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void TDoingDlg::reject() {
  if (running_) {
    CancelBtnClick();
    return;
  }
  QDialog::reject();
}
