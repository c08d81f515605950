#include "UiProbe.h"

#include <commctrl.h>

#include <cstdio>

std::wstring W(const char* utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), n);
  wide.resize(static_cast<std::size_t>(n > 0 ? n - 1 : 0));
  return wide;
}

std::string U8(const std::wstring& wide) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, text.data(), n, nullptr, nullptr);
  text.resize(static_cast<std::size_t>(n > 0 ? n - 1 : 0));
  return text;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[256] = {};
  GetClassNameW(hwnd, name, 256);
  return name;
}

std::wstring TextOf(HWND hwnd) {
  const auto length = static_cast<int>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto got = static_cast<int>(SendMessageW(hwnd, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return text;
}

RECT PlaceInParent(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
  return children;
}

HWND ChildAt(HWND parent, int x, int y) {
  for (HWND c : Children(parent)) {
    const RECT r = PlaceInParent(c);
    if (r.left == x && r.top == y) return c;
  }
  return nullptr;
}

std::vector<HWND> TabCycle(HWND form) {
  std::vector<HWND> cycle;
  HWND first = GetNextDlgTabItem(form, nullptr, FALSE);
  for (HWND c = first; c && cycle.size() < 64;) {
    cycle.push_back(c);
    c = GetNextDlgTabItem(form, c, FALSE);
    if (c == first) break;
  }
  return cycle;
}

namespace {

std::vector<std::wstring> Items(HWND hwnd, UINT count, UINT length, UINT get) {
  std::vector<std::wstring> items;
  const auto n = static_cast<int>(SendMessageW(hwnd, count, 0, 0));
  for (int i = 0; i < n; ++i) {
    const auto len = static_cast<int>(SendMessageW(hwnd, length, i, 0));
    std::wstring text(static_cast<std::size_t>(len > 0 ? len : 0) + 1, L'\0');
    SendMessageW(hwnd, get, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(len > 0 ? len : 0));
    items.push_back(text);
  }
  return items;
}

}  // namespace

std::vector<std::wstring> ListItems(HWND list) { return Items(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT); }
std::vector<std::wstring> ComboItems(HWND combo) {
  return Items(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

std::wstring StatusText(HWND bar) {
  // The status bar's own messages are not carried between processes: the
  // text goes through a buffer in the bar's process.
  DWORD pid = 0;
  GetWindowThreadProcessId(bar, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return L"<no access>";
  constexpr SIZE_T kChars = 1024;
  void* remote = VirtualAllocEx(process, nullptr, kChars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE);
  std::wstring text(kChars, L'\0');
  if (remote) {
    // Part 0: what a simple status bar answers with its simple text.
    const auto length = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 0, 0));
    if (length < kChars) {
      SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(remote));
      ReadProcessMemory(process, remote, text.data(), (length + 1) * sizeof(wchar_t), nullptr);
      text.resize(length);
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return text;
}

namespace {

struct TSearch {
  DWORD pid;
  const wchar_t* className;
  const wchar_t* caption;
  HWND found = nullptr;
};

BOOL CALLBACK FindTopLevel(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<TSearch*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != s->pid || ClassOf(hwnd) != s->className) return TRUE;
  if (s->caption && TextOf(hwnd) != s->caption) return TRUE;
  s->found = hwnd;
  return FALSE;
}

}  // namespace

HWND WaitForWindow(DWORD pid, const wchar_t* className, const wchar_t* caption, DWORD timeoutMs) {
  const ULONGLONG until = GetTickCount64() + timeoutMs;
  for (;;) {
    TSearch search{pid, className, caption};
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
    if (search.found || GetTickCount64() > until) return search.found;
    Sleep(20);
  }
}

TMessageBox WaitForMessageBox(DWORD pid, DWORD timeoutMs) {
  TMessageBox box;
  box.hwnd = WaitForWindow(pid, L"#32770", nullptr, timeoutMs);
  if (!box.hwnd) return box;
  // The box fills in its controls while it starts: wait for its button.
  for (int i = 0; i < 250 && !GetDlgItem(box.hwnd, IDOK); ++i) Sleep(20);
  box.caption = TextOf(box.hwnd);
  if (HWND text = GetDlgItem(box.hwnd, 0xFFFF)) box.text = TextOf(text);
  box.icon = GetDlgItem(box.hwnd, 1088);
  box.ok = GetDlgItem(box.hwnd, IDOK);
  return box;
}

void Press(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

std::string Describe(const RECT& r) {
  char text[80];
  std::snprintf(text, sizeof text, "(%ld,%ld %ldx%ld)", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return text;
}
