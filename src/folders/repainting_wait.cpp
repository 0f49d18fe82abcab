#include "folders/repainting_wait.h"

#include <windows.h>

#include <exception>

#include "util/program_log.h"

namespace tav {
namespace {

constexpr DWORD kTickMs = 100;

struct Job {
  const std::function<bool()>* work;
  bool result = false;
};

DWORD WINAPI run_job(void* data) {
  Job& job = *static_cast<Job*>(data);
  try {
    job.result = (*job.work)();
  } catch (const std::exception& caught) {
    // The thread's boundary: a failure of the work is a failed step, never a crash.
    record_caught("relocation worker", caught.what());
    job.result = false;
  }
  return 0;
}

bool is_input(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) || message == WM_INPUT;
}

}  // namespace

bool run_while_repainting(const std::function<bool()>& work, const std::function<void()>& tick) {
  Job job{&work};
  HANDLE thread = CreateThread(nullptr, 0, run_job, &job, 0, nullptr);
  if (thread == nullptr) {
    run_job(&job);
    return job.result;
  }
  bool quit = false;
  WPARAM quit_code = 0;
  DWORD last_tick = GetTickCount();
  for (;;) {
    const DWORD woken = MsgWaitForMultipleObjects(1, &thread, FALSE, kTickMs, QS_ALLINPUT);
    if (woken == WAIT_OBJECT_0) break;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        quit = true;
        quit_code = message.wParam;
        continue;
      }
      if (is_input(message.message)) continue;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (tick && GetTickCount() - last_tick >= kTickMs) {
      last_tick = GetTickCount();
      tick();
    }
  }
  CloseHandle(thread);
  if (quit) PostQuitMessage(static_cast<int>(quit_code));
  return job.result;
}

}  // namespace tav
