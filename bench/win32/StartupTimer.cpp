// Starts programs alternately, measures the time from process start until
// its window is shown and its message loop waits for input, and its peak
// working set; then ends it. Prints one line a run:
//   <program> <milliseconds> <peak working set in KiB>
// Usage: startup-timer <runs> <program.exe>...

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct TFind {
  DWORD pid;
  HWND hwnd;
};

BOOL CALLBACK FindShown(HWND hwnd, LPARAM lp) {
  auto* find = reinterpret_cast<TFind*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  RECT r;
  if (pid == find->pid && IsWindowVisible(hwnd) && GetWindowRect(hwnd, &r) && r.right - r.left > 100) {
    find->hwnd = hwnd;
    return FALSE;
  }
  return TRUE;
}

bool RunOnce(const char* program, double* ms, SIZE_T* peakKiB) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string cmd = std::string("\"") + program + "\"";
  LARGE_INTEGER freq, start, end;
  QueryPerformanceFrequency(&freq);
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
  // Idle means its loop waits for input; then its window must be up.
  WaitForInputIdle(pi.hProcess, 30000);
  TFind find{pi.dwProcessId, nullptr};
  for (int i = 0; i < 30000 && !find.hwnd; ++i) {
    EnumWindows(FindShown, reinterpret_cast<LPARAM>(&find));
    if (!find.hwnd) Sleep(1);
  }
  QueryPerformanceCounter(&end);
  PROCESS_MEMORY_COUNTERS pmc{};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(pi.hProcess, &pmc, sizeof pmc);
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  *ms = double(end.QuadPart - start.QuadPart) * 1000.0 / double(freq.QuadPart);
  *peakKiB = pmc.PeakWorkingSetSize / 1024;
  return find.hwnd != nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const int runs = std::atoi(argv[1]);
  for (int r = 0; r < runs; ++r)
    for (int p = 2; p < argc; ++p) {
      double ms = 0;
      SIZE_T kib = 0;
      if (!RunOnce(argv[p], &ms, &kib)) {
        std::fprintf(stderr, "%s: no window\n", argv[p]);
        return 1;
      }
      std::printf("%s %.1f %lu\n", argv[p], ms, static_cast<unsigned long>(kib));
      std::fflush(stdout);
    }
  return 0;
}
