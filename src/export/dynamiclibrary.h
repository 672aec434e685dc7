#pragma once
// A library loaded at run time by path, released when the object goes.

#include <string>

class DynamicLibrary {
 public:
  // Loads the library at path (which must name a folder, so the system's library search
  // path is never consulted). On failure isLoaded() is false and error() says why.
  explicit DynamicLibrary(const std::string& path);
  ~DynamicLibrary();
  DynamicLibrary(const DynamicLibrary&) = delete;
  DynamicLibrary& operator=(const DynamicLibrary&) = delete;

  bool isLoaded() const { return handle_ != nullptr; }
  const std::string& error() const { return error_; }

  // The entry point called name, or null when the library has none.
  template <typename Function>
  Function entry(const char* name) const {
    return reinterpret_cast<Function>(symbol(name));
  }

 private:
  void* symbol(const char* name) const;

  void* handle_ = nullptr;
  std::string error_;
};
