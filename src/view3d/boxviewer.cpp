#include "view3d/boxviewer.h"

#include <QGuiApplication>
#include <QVBoxLayout>
#include <optional>

#include "view3d/glcanvas.h"
#include "view3d/scenedrawing.h"

namespace {

std::optional<MouseButton> cameraButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return MouseButton::Left;
    case Qt::MiddleButton:
      return MouseButton::Middle;
    case Qt::RightButton:
      return MouseButton::Right;
    default:
      return std::nullopt;
  }
}

}  // namespace

BoxViewer::BoxViewer(Scene& scene, QWidget* parent) : QWidget(parent), scene_(scene) {
  setObjectName(QStringLiteral("boxViewerHost"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(1, 1, 1, 1);  // the panel sits one pixel inside its frame
  if (parent != nullptr) {
    if (parent->layout() == nullptr) {
      auto* parentLayout = new QVBoxLayout(parent);
      parentLayout->setContentsMargins(0, 0, 0, 0);
    }
    parent->layout()->addWidget(this);
  }
  if (!platformHostsOpenGLWidgets()) return;

  panel_ = new TOpenGLPanel(this);
  panel_->setObjectName(QStringLiteral("boxViewer"));
  layout->addWidget(panel_);
  using namespace std::placeholders;
  panel_->OnInit = [this](TOpenGLPanel& sender) { boxViewerInit(sender); };
  panel_->OnResize = [this](TOpenGLPanel& sender) { boxViewerResize(sender); };
  panel_->OnPaint = [this](TOpenGLPanel& sender) { boxViewerPaint(sender); };
  panel_->OnDblClick = [this](TOpenGLPanel& sender) { boxViewerDblClick(sender); };
  panel_->OnMouseDown = std::bind(&BoxViewer::boxViewerMouseDown, this, _1, _2, _3, _4, _5);
  panel_->OnMouseUp = std::bind(&BoxViewer::boxViewerMouseUp, this, _1, _2, _3, _4, _5);
  panel_->OnMouseMove = std::bind(&BoxViewer::boxViewerMouseMove, this, _1, _2, _3, _4, _5);
}

void BoxViewer::boxViewerResize(TOpenGLPanel& sender) {
  camera_.resize(sender.width(), sender.height());
  refreshView(*this, true);
}

void BoxViewer::boxViewerInit(TOpenGLPanel& /*sender*/) {
  camera_.storeViewMatrix();
  refreshView(*this, true);
}

void BoxViewer::boxViewerPaint(TOpenGLPanel& /*sender*/) {
  applyRenderState();
  loadCameraMatrices(camera_);
  GlSceneCanvas canvas;
  drawScene(scene_, canvas);
}

void BoxViewer::boxViewerMouseDown(TOpenGLPanel& /*sender*/, Qt::MouseButton button,
                                   Qt::KeyboardModifiers /*shift*/, int x, int y) {
  if (const auto pressed = cameraButton(button)) camera_.mouseDown(*pressed, x, y);
}

void BoxViewer::boxViewerMouseUp(TOpenGLPanel& /*sender*/, Qt::MouseButton button,
                                 Qt::KeyboardModifiers /*shift*/, int x, int y) {
  if (const auto released = cameraButton(button)) camera_.mouseUp(*released, x, y);
}

void BoxViewer::boxViewerMouseMove(TOpenGLPanel& sender, Qt::MouseButtons /*buttons*/,
                                   Qt::KeyboardModifiers /*shift*/, int x, int y) {
  if (camera_.mouseMove(x, y)) sender.update();
}

void BoxViewer::boxViewerDblClick(TOpenGLPanel& /*sender*/) { refreshView(*this, true); }

void refreshView(BoxViewer& boxViewer, bool resetCamera) {
  TOpenGLPanel* panel = boxViewer.panel();
  if (resetCamera) {
    const int width =
        panel != nullptr ? panel->width() : boxViewer.layout()->contentsRect().width();
    boxViewer.camera().resetView(boxViewer.scene().sceneSize, width);
  }
  if (panel != nullptr) panel->update();
}

bool platformHostsOpenGLWidgets() {
  const QString platform = QGuiApplication::platformName();
  return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}
