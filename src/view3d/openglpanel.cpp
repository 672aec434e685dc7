#include "view3d/openglpanel.h"

#include <QMessageBox>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>
#include <QScreen>
#include <cerrno>

#include "view3d/extensions.h"

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
  // Floating-point exceptions are masked by default on this platform, so no OpenGL
  // driver code can raise one.
}

TOpenGLPanel::~TOpenGLPanel() {
  // The context outlives this part of the object: it must not call back into it.
  if (context() != nullptr) {
    disconnect(context(), &QOpenGLContext::aboutToBeDestroyed, this,
               &TOpenGLPanel::releaseBackBuffer);
  }
  releaseBackBuffer();
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
  bindDrawBuffer();
  return true;
}

void TOpenGLPanel::MakeOpenGLPanelNotCurrent() {
  if (eventDepth_ > 0) return;
  if (isValid() && contextIsCurrent()) doneCurrent();
}

void TOpenGLPanel::SwapBuffers() {
  if (backBuffer_ == nullptr) return;
  const bool wasCurrent = contextIsCurrent();
  if (!wasCurrent) {
    makeCurrent();
    if (!contextIsCurrent()) {
      reportFailure("wglMakeCurrent:", errno);
      return;
    }
  }
  QOpenGLExtraFunctions* gl = context()->extraFunctions();
  const QSize size = backBuffer_->size();
  gl->glBindFramebuffer(GL_READ_FRAMEBUFFER, backBuffer_->handle());
  gl->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, defaultFramebufferObject());
  gl->glBlitFramebuffer(0, 0, size.width(), size.height(), 0, 0, size.width(), size.height(),
                        GL_COLOR_BUFFER_BIT, GL_NEAREST);
  gl->glBindFramebuffer(GL_FRAMEBUFFER, backBuffer_->handle());  // drawing goes on behind
  if (!insidePaint_) {
    // The picture is in place: the next paint only has to show it.
    presentPending_ = true;
    update();
  }
  if (!wasCurrent) doneCurrent();
}

bool TOpenGLPanel::PanelShareLists(const TOpenGLPanel& other) const {
  return isValid() && other.isValid() && QOpenGLContext::areSharing(context(), other.context());
}

bool TOpenGLPanel::QueryOpenGLExtention(std::string_view name) {
  const bool wasCurrent = contextIsCurrent();
  if (!wasCurrent && !MakeOpenGLPanelCurrent()) return false;
  const auto* list = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  const bool found = list != nullptr && extensionListContains(list, name);
  if (!wasCurrent) MakeOpenGLPanelNotCurrent();
  return found;
}

int TOpenGLPanel::GetDisplayBPP() const { return screen() != nullptr ? screen()->depth() : 0; }

bool TOpenGLPanel::SaveOpenGLPanelToFile(const QString& file) {
  const QImage picture = grabFramebuffer();
  if (picture.isNull()) return false;
  return picture.convertToFormat(QImage::Format_RGB888).save(file, "BMP");
}

std::optional<TextureImage> TOpenGLPanel::LoadBMPTexture(const QString& file, bool alpha) {
  return loadBmpTexture(file, alpha);
}

bool TOpenGLPanel::event(QEvent* e) {
  const QEvent::Type type = e->type();
  if (type == QEvent::Show || type == QEvent::Resize || type == QEvent::Paint) prepareCreation();
  const bool handled = QOpenGLWidget::event(e);
  if (type == QEvent::Paint) checkCreation();
  return handled;
}

void TOpenGLPanel::initializeGL() {
  connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &TOpenGLPanel::releaseBackBuffer,
          Qt::UniqueConnection);
  fireInsideEvent(OnInit);
}

void TOpenGLPanel::resizeGL(int /*width*/, int /*height*/) {
  presentPending_ = false;  // a resized picture has to be drawn again
  ensureBackBuffer();
  bindDrawBuffer();
  fireInsideEvent(OnResize);
  bindWidgetBuffer();
}

void TOpenGLPanel::paintGL() {
  if (presentPending_) {
    presentPending_ = false;
    return;
  }
  if (!OnPaint) return;
  ensureBackBuffer();
  bindDrawBuffer();
  insidePaint_ = true;
  fireInsideEvent(OnPaint);
  if (GLSwapBuffers == TOpenGLSwapBuffers::Auto) SwapBuffers();
  insidePaint_ = false;
  bindWidgetBuffer();
}

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

void TOpenGLPanel::releaseBackBuffer() {
  if (backBuffer_ == nullptr) return;
  // The buffer belongs to the context: free it while the context is current.
  const bool wasCurrent = contextIsCurrent();
  if (!wasCurrent) makeCurrent();
  backBuffer_.reset();
  if (!wasCurrent) doneCurrent();
}

void TOpenGLPanel::prepareCreation() {
  if (creationPrepared_) return;
  creationPrepared_ = true;
  if (OnPreInit) OnPreInit(*this);
  const QSurfaceFormat requested =
      requestedSurfaceFormat(format(), PixelType, PFDFlags, cColorBits, cDepthBits);
  wantsDoubleBuffer_ = requested.swapBehavior() != QSurfaceFormat::SingleBuffer;
  setFormat(requested);
  // The widget's own framebuffer is the picture shown; it must keep its contents when a
  // paint does not swap.
  setUpdateBehavior(wantsDoubleBuffer_ ? PartialUpdate : NoPartialUpdate);
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

void TOpenGLPanel::ensureBackBuffer() {
  if (!wantsDoubleBuffer_) return;
  const qreal ratio = devicePixelRatioF();
  const QSize size(qRound(width() * ratio), qRound(height() * ratio));
  if (backBuffer_ != nullptr && backBuffer_->size() == size) return;
  backBuffer_.reset();
  if (size.isEmpty()) return;
  if (!QOpenGLFramebufferObject::hasOpenGLFramebufferObjects() ||
      !QOpenGLFramebufferObject::hasOpenGLFramebufferBlit()) {
    wantsDoubleBuffer_ = false;  // the closest format offered is single-buffered
    return;
  }
  auto buffer = std::make_unique<QOpenGLFramebufferObject>(
      size, QOpenGLFramebufferObject::CombinedDepthStencil);
  if (!buffer->isValid()) {
    wantsDoubleBuffer_ = false;
    return;
  }
  backBuffer_ = std::move(buffer);
}

void TOpenGLPanel::bindDrawBuffer() {
  if (backBuffer_ != nullptr) backBuffer_->bind();
}

void TOpenGLPanel::bindWidgetBuffer() {
  context()->functions()->glBindFramebuffer(GL_FRAMEBUFFER, defaultFramebufferObject());
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
