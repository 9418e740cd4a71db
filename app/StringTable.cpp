#include "app/StringTable.h"

namespace app {

std::string LoadStr(int Ident) {
  switch (Ident) {
  case SCloseButton:
    return "&Close";
  default:
    return {};
  }
}

} // namespace app
