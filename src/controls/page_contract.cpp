#include "controls/page_contract.h"

namespace tav {

WindowState& window_state() {
  static WindowState state;
  return state;
}

}  // namespace tav
