#pragma once
// TOpenGLPanel: the panel that hosts the 3D view's OpenGL context.
//
// It turns the widget's creation, resize, paint and mouse notifications into the events
// below and makes its context current around each of them, so that handlers can issue
// OpenGL calls without managing the context. The order is OnInit, then OnResize and
// OnPaint as often as needed. A paint draws straight into the widget's own framebuffer,
// which Qt shows once per frame. Outside the events, MakeOpenGLPanelCurrent and
// MakeOpenGLPanelNotCurrent bracket drawing; inside an event they change nothing.
//
// A left-button double-click fires OnDblClick and then OnMouseDown for its second press.
// A turn of the mouse wheel fires OnMouseWheel; a tooltip shows the text OnToolTip gives
// for the mouse position (none when it gives an empty text).
//
// A platform failure is reported through OnFailure (a message box when unset) as the
// stage name with its colon followed by the error number, e.g. "wglMakeCurrent:0"; the
// failed event is skipped and the panel stays usable.

#include <QOpenGLWidget>
#include <functional>

class TOpenGLPanel : public QOpenGLWidget {
  Q_OBJECT

 public:
  using PanelEvent = std::function<void(TOpenGLPanel& sender)>;
  using MouseButtonEvent = std::function<void(TOpenGLPanel& sender, Qt::MouseButton button,
                                              Qt::KeyboardModifiers shift, int x, int y)>;
  using MouseMoveEvent = std::function<void(TOpenGLPanel& sender, Qt::MouseButtons buttons,
                                            Qt::KeyboardModifiers shift, int x, int y)>;
  // angleDelta: eighths of a degree, 120 a notch, positive away from the user.
  using MouseWheelEvent = std::function<void(TOpenGLPanel& sender, int angleDelta, int x, int y)>;
  using ToolTipEvent = std::function<QString(TOpenGLPanel& sender, int x, int y)>;

  // Requests 8 bits per colour and a 24-bit depth buffer over the default format.
  explicit TOpenGLPanel(QWidget* parent = nullptr);

  PanelEvent OnInit;
  PanelEvent OnResize;
  PanelEvent OnPaint;
  PanelEvent OnDblClick;
  MouseButtonEvent OnMouseDown;
  MouseButtonEvent OnMouseUp;
  MouseMoveEvent OnMouseMove;
  MouseWheelEvent OnMouseWheel;
  ToolTipEvent OnToolTip;
  std::function<void(const QString& text)> OnFailure;

  // Makes the context current for drawing outside the events, into the widget's
  // framebuffer. False when the context does not exist yet (OnInit has not come) or
  // cannot be made current; the latter is reported as "wglMakeCurrent:".
  bool MakeOpenGLPanelCurrent();
  void MakeOpenGLPanelNotCurrent();

 protected:
  bool event(QEvent* e) override;
  void initializeGL() override;
  void resizeGL(int width, int height) override;
  void paintGL() override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;

 private:
  // Reports once when the widget was shown and painted without getting a context.
  void checkCreation();
  bool contextIsCurrent() const;
  void reportFailure(const char* stage, int number);
  void report(const QString& text);
  void fireInsideEvent(const PanelEvent& handler);

  bool creationFailed_ = false;
  int eventDepth_ = 0;
};
