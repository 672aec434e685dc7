#pragma once
// A small loading plan made by hand, and file helpers, for the export tests.

#include <string>

#include "model/fillscheme.h"

// Two carton types and two blocks in the demo container: block 0 holds 20 of the 24
// cartons of its 3 x 2 x 4 grid, block 1 is full.
FillScheme samplePlan();

// A fresh empty folder under /tmp, removed with the object. path() ends in '/'.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);
// UTF-8 text as GBK bytes, for templates and for comparing documents.
std::string gbk(const std::string& utf8);
