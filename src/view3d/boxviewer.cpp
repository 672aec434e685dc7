#include "view3d/boxviewer.h"

#include <QGuiApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
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
  panel_->OnMouseWheel = std::bind(&BoxViewer::boxViewerMouseWheel, this, _1, _2, _3, _4);
  panel_->OnToolTip = std::bind(&BoxViewer::boxViewerToolTip, this, _1, _2, _3);

  for (QLabel** label : {&innerEndLabel_, &doorLabel_}) {
    *label = new QLabel(panel_);
    (*label)->setAttribute(Qt::WA_TransparentForMouseEvents);
    (*label)->setStyleSheet(QStringLiteral(
        "QLabel { background: rgba(255, 255, 255, 200); color: black; border: 1px solid #606060;"
        " padding: 1px 4px; font-weight: bold; }"));
    (*label)->hide();
  }
  innerEndLabel_->setObjectName(QStringLiteral("innerEndLabel"));
  doorLabel_->setObjectName(QStringLiteral("doorLabel"));
}

void BoxViewer::setEndLabels(const QString& innerEnd, const QString& door) {
  if (panel_ == nullptr) return;
  innerEndLabel_->setText(innerEnd);
  doorLabel_->setText(door);
  for (QLabel* label : {innerEndLabel_, doorLabel_}) {
    label->adjustSize();
    label->setVisible(!label->text().isEmpty());
  }
  placeEndLabels();
}

void BoxViewer::placeEndLabels() {
  if (panel_ == nullptr) return;
  const SceneSize& size = scene_.sceneSize;
  // A little beyond each end along the container's axis, at half its height.
  const double beyond = size.length * 0.5 + std::max(size.width, size.height) * 0.35;
  const Matrix4 toScreen = multiplyMatrix(camera_.projection, camera_.modelView);
  const auto place = [&](QLabel* label, double z) {
    const Vector3 ndc = transformPoint(toScreen, {0.0, 0.0, z});
    const int x = static_cast<int>((ndc.x + 1.0) * 0.5 * camera_.viewport.width);
    const int y = static_cast<int>((1.0 - ndc.y) * 0.5 * camera_.viewport.height);
    const QSize box = label->size();
    // Kept inside the panel so that a label never goes out of sight.
    label->move(std::clamp(x - box.width() / 2, 0, std::max(0, panel_->width() - box.width())),
                std::clamp(y - box.height() / 2, 0, std::max(0, panel_->height() - box.height())));
  };
  place(innerEndLabel_, -beyond);
  place(doorLabel_, beyond);
}

void BoxViewer::boxViewerResize(TOpenGLPanel& sender) {
  camera_.resize(sender.width(), sender.height());
  refreshView(*this, true);
}

void BoxViewer::boxViewerInit(TOpenGLPanel& /*sender*/) {
  edgeTexture_ = createEdgeTexture();
  camera_.storeViewMatrix();
  refreshView(*this, true);
}

void BoxViewer::boxViewerPaint(TOpenGLPanel& /*sender*/) {
  applyRenderState(edgeTexture_);
  loadCameraMatrices(camera_);
  if (arraysStale_) {
    arrays_.clear();
    drawScene(scene_, arrays_);
    arraysStale_ = false;
  }
  drawSceneArrays(arrays_);
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
  if (camera_.mouseMove(x, y)) {
    placeEndLabels();
    sender.update();
  }
}

void BoxViewer::boxViewerMouseWheel(TOpenGLPanel& sender, int angleDelta, int /*x*/, int /*y*/) {
  camera_.wheel(angleDelta);
  placeEndLabels();
  sender.update();
}

QString BoxViewer::boxViewerToolTip(TOpenGLPanel& /*sender*/, int x, int y) {
  if (!cartonToolTip) return {};
  const std::optional<PickedCarton> picked = pickCarton(scene_, camera_, x, y);
  if (!picked) return {};
  return cartonToolTip(*picked, scene_.sceneBlocks[picked->block]);
}

void BoxViewer::boxViewerDblClick(TOpenGLPanel& /*sender*/) { refreshView(*this, true); }

void refreshView(BoxViewer& boxViewer, bool resetCamera) {
  TOpenGLPanel* panel = boxViewer.panel();
  boxViewer.sceneChanged();
  if (resetCamera) boxViewer.camera().resetView(boxViewer.scene().sceneSize);
  boxViewer.placeEndLabels();
  if (panel != nullptr) panel->update();
}

bool platformHostsOpenGLWidgets() {
  const QString platform = QGuiApplication::platformName();
  return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}
