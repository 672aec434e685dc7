#pragma once
// BoxViewer: the 3D view of the main window. It owns the OpenGL panel `boxViewer` and
// the camera, draws the Scene it is given, and handles the panel's events: the left
// button turns the view, the middle button (or left and right together) and the wheel
// zoom, the right button pans, a double-click and every resize return to the initial
// view, which frames the whole container. Labels over the view mark the container's inner
// end and its door, and a tooltip names the carton under the mouse.
//
// The scene is collected into vertex arrays at the first paint after refreshView, and
// every paint draws those arrays.
//
// In the main window:
//
//   boxViewer = new BoxViewer(scene, pnlView);       // fills pnlView
//   ...
//   // New and every rebuild of the carton tree:
//   scene.clearScene();
//   scene.setSceneContainer(project.container);
//   refreshView(*boxViewer, true);
//   // A change of the result selection:
//   scene.clearScene();
//   scene.addSceneBlock(...);                       // once per block shown
//   refreshView(*boxViewer, false);
//   // Platform failures through the window's message boxes:
//   if (TOpenGLPanel* panel = boxViewer->panel())
//     panel->OnFailure = [this](const QString& text) { messages().information(text); };
//
// Qt's image-only platforms ("offscreen", "minimal") cannot host an OpenGL widget (Qt
// fails on one there); on them the view has no panel and stays an empty frame, while
// the scene and the camera go on as usual.

#include <QWidget>
#include <functional>

#include "view3d/camera.h"
#include "view3d/openglpanel.h"
#include "view3d/scene.h"
#include "view3d/scenearrays.h"
#include "view3d/scenepicking.h"

class QLabel;

class BoxViewer : public QWidget {
  Q_OBJECT

 public:
  // Puts itself into parent's layout, giving parent a margin-free one when it has none.
  BoxViewer(Scene& scene, QWidget* parent);

  // The OpenGL panel; none where the platform cannot host one.
  TOpenGLPanel* panel() { return panel_; }
  Camera& camera() { return camera_; }
  Scene& scene() { return scene_; }

  // The handlers of the panel's events.
  void boxViewerResize(TOpenGLPanel& sender);
  void boxViewerInit(TOpenGLPanel& sender);
  void boxViewerPaint(TOpenGLPanel& sender);
  void boxViewerMouseDown(TOpenGLPanel& sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                          int x, int y);
  void boxViewerMouseUp(TOpenGLPanel& sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                        int x, int y);
  void boxViewerMouseMove(TOpenGLPanel& sender, Qt::MouseButtons buttons,
                          Qt::KeyboardModifiers shift, int x, int y);
  void boxViewerDblClick(TOpenGLPanel& sender);
  void boxViewerMouseWheel(TOpenGLPanel& sender, int angleDelta, int x, int y);
  QString boxViewerToolTip(TOpenGLPanel& sender, int x, int y);

  // The texts of the labels at the container's inner end and at its door.
  void setEndLabels(const QString& innerEnd, const QString& door);
  // The labels, placed beyond the container's ends as the camera shows them; none where
  // the platform cannot host the panel.
  QLabel* innerEndLabel() { return innerEndLabel_; }
  QLabel* doorLabel() { return doorLabel_; }
  // The tooltip's text for a carton of the scene; without it the view shows no tooltip.
  std::function<QString(const PickedCarton& carton, const CubeBlock& block)> cartonToolTip;

  // The texture of the carton edges in the panel's context (0 before OnInit).
  unsigned edgeTexture() const { return edgeTexture_; }

  // The scene changed: the next paint collects it afresh.
  void sceneChanged() { arraysStale_ = true; }
  // Moves the end labels to where the camera now shows the container's ends.
  void placeEndLabels();

 private:
  Scene& scene_;
  Camera camera_;
  TOpenGLPanel* panel_ = nullptr;
  SceneArrays arrays_;
  bool arraysStale_ = true;
  unsigned edgeTexture_ = 0;
  QLabel* innerEndLabel_ = nullptr;
  QLabel* doorLabel_ = nullptr;
};

// Whether the running Qt platform can show OpenGL widgets.
bool platformHostsOpenGLWidgets();

// Repaints the view after the scene changed; with resetCamera, first returns to the
// initial view (all turning, zooming and panning are lost).
void refreshView(BoxViewer& boxViewer, bool resetCamera);
