#include "Win32BackendWindow.h"

#include <commctrl.h>

#include <unordered_map>

namespace {

std::unordered_map<HWND, TWin32Window*>& Table() {
  static std::unordered_map<HWND, TWin32Window*> table;
  return table;
}

}  // namespace

TWin32Window::~TWin32Window() { DestroyHandle(); }

TWin32Window* TWin32Window::Find(HWND hwnd) {
  const auto it = Table().find(hwnd);
  return it == Table().end() ? nullptr : it->second;
}

void TWin32Window::Attach(HWND hwnd, bool subclass) {
  hwnd_ = hwnd;
  Table()[hwnd] = this;
  if (subclass) subclassed_ = SetWindowSubclass(hwnd, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void TWin32Window::Detach() {
  if (!hwnd_) return;
  if (subclassed_) RemoveWindowSubclass(hwnd_, SubclassProc, 0);
  Table().erase(hwnd_);
  hwnd_ = nullptr;
  subclassed_ = false;
}

void TWin32Window::DestroyHandle() {
  if (!hwnd_) return;
  HWND hwnd = hwnd_;
  Detach();
  if (IsWindow(hwnd)) DestroyWindow(hwnd);
}

LRESULT CALLBACK TWin32Window::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  TWin32Window* self = Find(hwnd);
  if (msg == WM_NCDESTROY) {
    // Destroyed with its parent: the object lives on without a window. The
    // system drops the subclass itself after this message.
    if (self) {
      self->subclassed_ = false;
      self->Detach();
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  LRESULT result = 0;
  bool handled = false;
  if (self) Guarded([&] { handled = self->Message(msg, wp, lp, result); });
  return handled ? result : DefSubclassProc(hwnd, msg, wp, lp);
}

HWND TWin32Window::CreateOwn(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                             int x, int y, int width, int height, HWND owner) {
  return CreateWindowExW(exStyle, className, title, style, x, y, width, height, owner, nullptr,
                         GetModuleHandleW(nullptr), this);
}

LRESULT CALLBACK TWin32Window::ClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<TWin32Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    if (self) self->Attach(hwnd, false);
  }
  TWin32Window* self = Find(hwnd);
  if (msg == WM_NCDESTROY) {
    if (self) self->Detach();
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  LRESULT result = 0;
  bool handled = false;
  if (self) Guarded([&] { handled = self->Message(msg, wp, lp, result); });
  return handled ? result : DefWindowProcW(hwnd, msg, wp, lp);
}
