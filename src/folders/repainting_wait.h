#pragma once
// Long file work without a frozen window: the work runs on a helper thread while the
// user-interface thread waits for it and keeps its windows painted.

#include <functional>

namespace tav {

// Runs work on a helper thread. Meanwhile this thread dispatches every message except
// keyboard and mouse input, so its windows repaint but take no input, and calls tick about
// ten times a second. Answers what work answered; false when work failed by throwing. When
// no thread can be started, work runs here.
bool run_while_repainting(const std::function<bool()>& work, const std::function<void()>& tick);

}  // namespace tav
