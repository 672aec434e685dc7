#include "model/settings.h"

Container Settings::defaultContainer() const {
  return containers.empty() ? Container{} : containers.front().container;
}
