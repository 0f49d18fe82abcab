#pragma once
// Every step by which the program changes a file (a write, a flush, a rename, a copy, a
// delete) passes a stop point first. In the program a stop point does nothing: it reads no
// setting and no environment. The tests that prove a file is never left half-changed install
// a hook that ends the process abruptly at a chosen stop point, as a power cut or a kill
// would.

namespace tav {

// what names the step ("write", "flush", "rename", "copy", "delete").
using StopPointHook = void (*)(const char* what);
void set_stop_point_hook(StopPointHook hook);

void stop_point(const char* what);

}  // namespace tav
