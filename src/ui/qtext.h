#pragma once
// The core speaks UTF-8 std::string, the widgets QString.

#include <QString>
#include <string>

inline QString qs(const std::string& text) { return QString::fromStdString(text); }
inline std::string std8(const QString& text) { return text.toStdString(); }
