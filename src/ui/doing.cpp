#include "ui/doing.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>

#include "ui/formhost.h"
#include "ui/loadinganimation.h"

TDoingDlg::TDoingDlg(FormHost& host, QWidget* parent) : QDialog(parent), host_(host) {
  setObjectName("DoingDlg");
  setWindowTitle("正在计算中，请稍候……");
  // A title bar without close box or system menu: the run ends by Cancel only.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setModal(true);
  QFont font = this->font();
  font.setPixelSize(12);
  setFont(font);
  setFixedSize(415, 104);

  TheAnimate = new LoadingAnimation(this);
  TheAnimate->setObjectName("TheAnimate");
  TheAnimate->setGeometry(8, 8, 80, 50);

  Label1 = new QLabel(QStringLiteral("\u3000\u3000计算所需的时间视计算机性能的不同而定，按“取消”键可以中断计算。"), this);
  Label1->setObjectName("Label1");
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->setGeometry(104, 12, 296, 44);

  CancelBtn = new QPushButton("取消", this);
  CancelBtn->setObjectName("CancelBtn");
  CancelBtn->setGeometry(168, 64, 89, 25);
  connect(CancelBtn, &QPushButton::clicked, this, &TDoingDlg::CancelBtnClick);
}

TDoingDlg::~TDoingDlg() {
  // Only reached with a run going when the program is torn down in the middle of it:
  // let the worker give up and hand over before it is joined.
  if (worker_.joinable()) {
    run.cancelRequested = true;
    while (running_) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    worker_.join();
  }
}

int TDoingDlg::exec() {
  const int result = QDialog::exec();
  if (worker_.joinable()) worker_.join();
  return result;
}

void TDoingDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TDoingDlg::FormShow() {
  if (running_) return;
  if (worker_.joinable()) worker_.join();
  CancelBtn->setEnabled(true);
  TheAnimate->play();
  run.startRun(host_.project());
  running_ = true;
  worker_ = std::thread([this] { execute(); });
}

void TDoingDlg::execute() {
  bool success = false;
  try {
    success = run.execute(host_.project(), host_.settings()).success;
  } catch (...) {
    success = false;  // out of memory in the search: nothing loaded
  }
  QMetaObject::invokeMethod(this, [this, success] { finishRun(success); }, Qt::BlockingQueuedConnection);
}

void TDoingDlg::finishRun(bool success) {
  run.finishRun(host_.project(), success);
  running_ = false;
  accept();
}

void TDoingDlg::CancelBtnClick() {
  run.cancelRequested = true;
  CancelBtn->setEnabled(false);
}

void TDoingDlg::hideEvent(QHideEvent* event) {
  TheAnimate->stop();
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
