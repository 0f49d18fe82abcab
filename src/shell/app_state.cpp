#include "shell/app_state.h"

namespace tav {

WindowState& window_state() {
  static WindowState state;
  return state;
}

}  // namespace tav
