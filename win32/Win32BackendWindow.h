#pragma once
// The one table from window handles to the backend's objects, and the base
// of every object that owns a window. Window procedures find their object
// here; WM_COMMAND from a child is reflected to the child's own object.

#include <windows.h>

class TWin32Window {
 public:
  TWin32Window() = default;
  TWin32Window(const TWin32Window&) = delete;
  TWin32Window& operator=(const TWin32Window&) = delete;
  virtual ~TWin32Window();

  HWND Handle() const { return hwnd_; }

  // A notification from this control, reflected by its parent.
  virtual void Command(WORD) {}
  // A message to this window; true if handled, with its result.
  virtual bool Message(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

  static TWin32Window* Find(HWND hwnd);
  // The window procedure of the program's own window classes.
  static LRESULT CALLBACK ClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

 protected:
  // Creates a window of one of the program's own classes and enters it into
  // the table before its first message.
  HWND CreateOwn(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y,
                 int width, int height, HWND owner);

  // Enters the window into the table (and, for a system control, routes its
  // messages through Message first).
  void Attach(HWND hwnd, bool subclass);
  // The control's own procedure, for a message handled before and after it.
  LRESULT CallPrevious(UINT msg, WPARAM wp, LPARAM lp);
  // The window is gone: forget it.
  void Detach();
  // Destroys the window if it still exists.
  void DestroyHandle();

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;
  WNDPROC previous_ = nullptr;  // the system control's procedure, when subclassed
};

// Runs a window procedure's own work so that nothing escapes into the
// system: the model reports its errors itself; anything else is dropped.
template <class F>
bool Guarded(F&& work) noexcept {
  try {
    work();
    return true;
  } catch (...) {
    return false;
  }
}
