#include "model/carton.h"

double Carton::volume() const {
  return static_cast<double>(length) * static_cast<double>(width) * static_cast<double>(height);
}

std::string Carton::displayText() const {
  return name + " (" + std::to_string(length) + "*" + std::to_string(width) + "*" +
         std::to_string(height) + ":" + std::to_string(count) + ")";
}
