#include "model/container.h"

double Container::volume() const {
  return static_cast<double>(length) * static_cast<double>(width) * static_cast<double>(height);
}

std::string Container::displayText() const {
  return name + " (" + std::to_string(length) + "*" + std::to_string(width) + "*" +
         std::to_string(height) + ")";
}
