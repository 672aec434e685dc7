#include "view3d/openglpanel.h"

#include <QMessageBox>
#include <QMouseEvent>
#include <QHelpEvent>
#include <QOpenGLContext>
#include <QToolTip>
#include <QWheelEvent>
#include <cerrno>

namespace {

// Counts the events being handled, so that the make-current pair leaves the context
// alone inside them.
class EventScope {
 public:
  explicit EventScope(int& depth) : depth_(depth) { ++depth_; }
  ~EventScope() { --depth_; }
  EventScope(const EventScope&) = delete;
  EventScope& operator=(const EventScope&) = delete;

 private:
  int& depth_;
};

}  // namespace

TOpenGLPanel::TOpenGLPanel(QWidget* parent) : QOpenGLWidget(parent) {
  QSurfaceFormat requested = format();
  requested.setRedBufferSize(8);
  requested.setGreenBufferSize(8);
  requested.setBlueBufferSize(8);
  requested.setDepthBufferSize(24);
  setFormat(requested);
}

bool TOpenGLPanel::MakeOpenGLPanelCurrent() {
  if (eventDepth_ > 0) return true;
  if (!isValid()) {
    if (creationFailed_) reportFailure("wglMakeCurrent:", errno);
    return false;
  }
  makeCurrent();
  if (!contextIsCurrent()) {
    reportFailure("wglMakeCurrent:", errno);
    return false;
  }
  return true;
}

void TOpenGLPanel::MakeOpenGLPanelNotCurrent() {
  if (eventDepth_ > 0) return;
  if (isValid() && contextIsCurrent()) doneCurrent();
}

bool TOpenGLPanel::event(QEvent* e) {
  if (e->type() == QEvent::ToolTip && OnToolTip) {
    const auto* help = static_cast<QHelpEvent*>(e);
    const QString text = OnToolTip(*this, help->pos().x(), help->pos().y());
    if (text.isEmpty()) {
      QToolTip::hideText();
    } else {
      QToolTip::showText(help->globalPos(), text, this);
    }
    return true;
  }
  const bool handled = QOpenGLWidget::event(e);
  if (e->type() == QEvent::Paint) checkCreation();
  return handled;
}

void TOpenGLPanel::initializeGL() { fireInsideEvent(OnInit); }

void TOpenGLPanel::resizeGL(int /*width*/, int /*height*/) { fireInsideEvent(OnResize); }

void TOpenGLPanel::paintGL() { fireInsideEvent(OnPaint); }

void TOpenGLPanel::mousePressEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  if (OnMouseDown) OnMouseDown(*this, e->button(), e->modifiers(), p.x(), p.y());
}

void TOpenGLPanel::mouseReleaseEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  if (OnMouseUp) OnMouseUp(*this, e->button(), e->modifiers(), p.x(), p.y());
}

void TOpenGLPanel::mouseDoubleClickEvent(QMouseEvent* e) {
  // The second press of a double-click: the double-click first, then the press itself.
  // Only the left button double-clicks; other buttons just press again.
  if (e->button() == Qt::LeftButton && OnDblClick) OnDblClick(*this);
  mousePressEvent(e);
}

void TOpenGLPanel::mouseMoveEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  if (OnMouseMove) OnMouseMove(*this, e->buttons(), e->modifiers(), p.x(), p.y());
}

void TOpenGLPanel::wheelEvent(QWheelEvent* e) {
  const int delta = e->angleDelta().y();
  if (delta == 0 || !OnMouseWheel) {
    e->ignore();
    return;
  }
  const QPoint p = e->position().toPoint();
  OnMouseWheel(*this, delta, p.x(), p.y());
  e->accept();
}

void TOpenGLPanel::checkCreation() {
  if (isValid() || creationFailed_ || !isVisible() || size().isEmpty()) return;
  creationFailed_ = true;
  reportFailure("wglRenderingContext:", errno);
  report(QStringLiteral("Open GL Context Create Failed"));
}

bool TOpenGLPanel::contextIsCurrent() const {
  return context() != nullptr && QOpenGLContext::currentContext() == context();
}

void TOpenGLPanel::reportFailure(const char* stage, int number) {
  report(QString::fromLatin1(stage) + QString::number(number));
}

void TOpenGLPanel::report(const QString& text) {
  if (OnFailure) {
    OnFailure(text);
    return;
  }
  // Shown after the current event: a modal box must not run inside a paint.
  QMetaObject::invokeMethod(
      this, [this, text] { QMessageBox::information(this, QStringLiteral("Cargolyx"), text); },
      Qt::QueuedConnection);
}

void TOpenGLPanel::fireInsideEvent(const PanelEvent& handler) {
  if (!handler) return;
  EventScope scope(eventDepth_);
  handler(*this);
}
