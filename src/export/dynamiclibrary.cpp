#include "export/dynamiclibrary.h"

#include <dlfcn.h>

DynamicLibrary::DynamicLibrary(const std::string& path) {
  if (path.find('/') == std::string::npos) {
    error_ = path + ": not a path to a library";
    return;
  }
  // The handle is released with the object, but the code stays mapped: libraries the drawing
  // library brings in (Cairo, fontconfig) keep process-wide caches and are not made to be
  // unloaded and loaded again.
  handle_ = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (handle_ == nullptr) {
    const char* reason = ::dlerror();
    error_ = reason != nullptr ? reason : path + ": cannot be loaded";
  }
}

DynamicLibrary::~DynamicLibrary() {
  if (handle_ != nullptr) ::dlclose(handle_);
}

void* DynamicLibrary::symbol(const char* name) const {
  if (handle_ == nullptr) return nullptr;
  return ::dlsym(handle_, name);
}
