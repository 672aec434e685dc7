#pragma once
// The OpenGL context the 3D view draws in: OpenGL 2.1 with the compatibility profile,
// so that fixed-function calls work, and a 24-bit depth buffer. Set it as the default
// before the QApplication is created.
void setDefaultSurfaceFormat();
