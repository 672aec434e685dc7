#pragma once
// BoxViewer: the 3D view of the main window. It owns the OpenGL panel `boxViewer` and
// the camera, draws the Scene it is given, and handles the panel's events: the left
// button turns the view, the middle button (or left and right together) zooms, the
// right button pans, a double-click and every resize return to the initial view.
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

#include "view3d/camera.h"
#include "view3d/openglpanel.h"
#include "view3d/scene.h"

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

 private:
  Scene& scene_;
  Camera camera_;
  TOpenGLPanel* panel_ = nullptr;
};

// Whether the running Qt platform can show OpenGL widgets.
bool platformHostsOpenGLWidgets();

// Repaints the view after the scene changed; with resetCamera, first returns to the
// initial view for the panel's width (all turning, zooming and panning are lost).
void refreshView(BoxViewer& boxViewer, bool resetCamera);
