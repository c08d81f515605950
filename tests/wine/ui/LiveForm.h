#pragma once
// The main window on real windows in this process: the in-memory registry,
// the Win32 backend and the application, as at start-up. Tests send the
// windows real messages and see the model's response.

#include <windows.h>

#include <memory>

#include "Config.h"
#include "Forms.h"
#include "MemoryRegistryStore.h"
#include "Unit1.h"
#include "Win32Backend.h"

struct TLiveForm {
  reg::TMemoryStore store;
  TWin32Backend backend;

  // A new run: program-wide state reset, Form1 created and shown.
  TForm1& Start();
  TApplication& App() { return *app_; }
  HWND FormWindow() const;
  ~TLiveForm();

 private:
  std::unique_ptr<TApplication> app_;
};

// The window that mirrors a control; null for the painted ones.
HWND WindowOf(const TControl& control);

// A handler run counter that still runs the handler it wraps.
struct TRuns {
  int count = 0;
  TNotifyEvent Wrap(TNotifyEvent inner) {
    return [this, inner](TObject* sender) {
      ++count;
      if (inner) inner(sender);
    };
  }
};

// A left click at a point of a window's client area.
void ClickAt(HWND hwnd, int x, int y);
// Presses and releases the left button at two points.
void DragClick(HWND hwnd, POINT down, POINT up);
// A key pressed and released in the focused control, as the keyboard would.
void Key(HWND hwnd, WPARAM key);
void Type(HWND hwnd, const std::wstring& text);
