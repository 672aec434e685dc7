#pragma once
// TOpenGLPanel: the panel that hosts the 3D view's OpenGL context.
//
// It turns the widget's creation, resize, paint and mouse notifications into the events
// below and makes its context current around each of them, so that handlers can issue
// OpenGL calls without managing the context. The order is OnPreInit (before the context
// exists, while the properties may still change), OnInit, then OnResize and OnPaint as
// often as needed. Outside the events, MakeOpenGLPanelCurrent and
// MakeOpenGLPanelNotCurrent bracket drawing; inside an event they change nothing.
//
// Double buffering: the events draw into a back buffer of the panel's own, and
// SwapBuffers shows it. With GLSwapBuffers Auto the panel swaps after OnPaint; with
// Manual only the handler's own call does. With f_PFD_SUPPORT_GDI in PFDFlags the panel
// is single-buffered: drawing goes straight to the picture and SwapBuffers does nothing.
//
// A left-button double-click fires OnDblClick and then OnMouseDown for its second press.
//
// The properties are read once, when the context is created; later changes have no
// effect. A platform failure is reported through OnFailure (a message box when unset)
// as the stage name with its colon followed by the error number, e.g. "wglMakeCurrent:0";
// the failed event is skipped and the panel stays usable.

#include <QOpenGLWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "view3d/bmptexture.h"
#include "view3d/pixelformat.h"

class QOpenGLFramebufferObject;

class TOpenGLPanel : public QOpenGLWidget {
  Q_OBJECT

 public:
  using PanelEvent = std::function<void(TOpenGLPanel& sender)>;
  using MouseButtonEvent = std::function<void(TOpenGLPanel& sender, Qt::MouseButton button,
                                              Qt::KeyboardModifiers shift, int x, int y)>;
  using MouseMoveEvent = std::function<void(TOpenGLPanel& sender, Qt::MouseButtons buttons,
                                            Qt::KeyboardModifiers shift, int x, int y)>;

  explicit TOpenGLPanel(QWidget* parent = nullptr);
  ~TOpenGLPanel() override;

  // Properties of the requested pixel format.
  TPFDPixelTypes PixelType = TPFDPixelTypes::f_PFD_TYPE_RGBA;
  TPFDFlags PFDFlags{TPFDFlag::f_PFD_DRAW_TO_WINDOW, TPFDFlag::f_PFD_SUPPORT_OPENGL,
                     TPFDFlag::f_PFD_DOUBLEBUFFER};
  std::uint8_t cColorBits = 32;
  std::uint8_t cDepthBits = 32;
  TOpenGLSwapBuffers GLSwapBuffers = TOpenGLSwapBuffers::Auto;

  PanelEvent OnPreInit;
  PanelEvent OnInit;
  PanelEvent OnResize;
  PanelEvent OnPaint;
  PanelEvent OnDblClick;
  MouseButtonEvent OnMouseDown;
  MouseButtonEvent OnMouseUp;
  MouseMoveEvent OnMouseMove;
  std::function<void(const QString& text)> OnFailure;

  // Makes the context current for drawing outside the events, with the back buffer
  // bound when double-buffered. False when the context does not exist yet (OnInit has
  // not come) or cannot be made current; the latter is reported as "wglMakeCurrent:".
  bool MakeOpenGLPanelCurrent();
  void MakeOpenGLPanelNotCurrent();
  // Shows the back buffer; nothing when single-buffered.
  void SwapBuffers();
  // Whether this panel's display lists are shared with other's. The contexts decide that
  // when they are created (panels in one window always share); false while either panel
  // has no context.
  bool PanelShareLists(const TOpenGLPanel& other) const;
  // Whether name is one of the words of the context's extension string.
  bool QueryOpenGLExtention(std::string_view name);
  // Bits per pixel of the screen the panel is on.
  int GetDisplayBPP() const;
  // Saves the panel's current picture as a 24-bit BMP file.
  bool SaveOpenGLPanelToFile(const QString& file);
  static std::optional<TextureImage> LoadBMPTexture(const QString& file, bool alpha);

  // Whether the context has been created and the panel is double-buffered.
  bool isDoubleBuffered() const { return backBuffer_ != nullptr; }

 protected:
  bool event(QEvent* e) override;
  void initializeGL() override;
  void resizeGL(int width, int height) override;
  void paintGL() override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;

 private:
  // Fires OnPreInit and sets the format from the properties, once, before the context
  // is created.
  void prepareCreation();
  void checkCreation();
  // Frees the back buffer; also called before the context goes away.
  void releaseBackBuffer();
  bool contextIsCurrent() const;
  void ensureBackBuffer();
  void bindDrawBuffer();
  void bindWidgetBuffer();
  void reportFailure(const char* stage, int number);
  void report(const QString& text);
  void fireInsideEvent(const PanelEvent& handler);

  bool creationPrepared_ = false;
  bool creationFailed_ = false;
  bool wantsDoubleBuffer_ = true;
  bool presentPending_ = false;  // swapped outside a paint: the next paint only shows it
  bool insidePaint_ = false;
  int eventDepth_ = 0;
  std::unique_ptr<QOpenGLFramebufferObject> backBuffer_;
};
