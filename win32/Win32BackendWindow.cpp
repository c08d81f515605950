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
  // The window procedure itself, not comctl32's SetWindowSubclass: under
  // Wine that keeps its data in window properties and asks the server for
  // them at every message, which made filling a list nine times slower.
  if (subclass)
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
}

void TWin32Window::Detach() {
  if (!hwnd_) return;
  if (previous_ && IsWindow(hwnd_))
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
  Table().erase(hwnd_);
  hwnd_ = nullptr;
  previous_ = nullptr;
}

void TWin32Window::DestroyHandle() {
  if (!hwnd_) return;
  HWND hwnd = hwnd_;
  Detach();
  if (IsWindow(hwnd)) DestroyWindow(hwnd);
}

LRESULT CALLBACK TWin32Window::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  TWin32Window* self = Find(hwnd);
  const WNDPROC previous = self && self->previous_ ? self->previous_ : &DefWindowProcW;
  if (msg == WM_NCDESTROY) {
    // Destroyed with its parent: the object lives on without a window.
    if (self) self->Detach();
    return CallWindowProcW(previous, hwnd, msg, wp, lp);
  }
  LRESULT result = 0;
  bool handled = false;
  if (self) Guarded([&] { handled = self->Message(msg, wp, lp, result); });
  return handled ? result : CallWindowProcW(previous, hwnd, msg, wp, lp);
}

LRESULT TWin32Window::CallPrevious(UINT msg, WPARAM wp, LPARAM lp) {
  return CallWindowProcW(previous_ ? previous_ : &DefWindowProcW, hwnd_, msg, wp, lp);
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
