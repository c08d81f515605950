#pragma once
// Looking at windows the way a test robot does: by class, place and text,
// through the window system only, in this process or in another.

#include <windows.h>

#include <string>
#include <vector>

// Text written in this file's UTF-8 as the window system's UTF-16.
std::wstring W(const char* utf8);
// UTF-16 as UTF-8, for readable failure messages.
std::string U8(const std::wstring& wide);

std::wstring ClassOf(HWND hwnd);
std::wstring TextOf(HWND hwnd);  // WM_GETTEXT
// The window's rectangle in its parent's client coordinates.
RECT PlaceInParent(HWND hwnd);
std::vector<HWND> Children(HWND parent);  // direct children, in z-order
// The child whose rectangle starts at (x, y), or null.
HWND ChildAt(HWND parent, int x, int y);
// The controls that Tab visits, from the first, once round.
std::vector<HWND> TabCycle(HWND form);

std::vector<std::wstring> ListItems(HWND list);   // list box
std::vector<std::wstring> ComboItems(HWND combo);  // combo box
// The simple text of a status bar, also in another process.
std::wstring StatusText(HWND bar);

// The first top-level window of the process with this class (and caption,
// if given), waited for up to timeoutMs; null if none came.
HWND WaitForWindow(DWORD pid, const wchar_t* className, const wchar_t* caption, DWORD timeoutMs);
// A message box of the process: caption, text, icon control.
struct TMessageBox {
  HWND hwnd = nullptr;
  std::wstring caption, text;
  HWND icon = nullptr;
  HWND ok = nullptr;
};
TMessageBox WaitForMessageBox(DWORD pid, DWORD timeoutMs);
// Presses a button as a click would, and waits until the press is handled.
void Press(HWND button);

// Handles what is waiting in this thread's queue.
void Pump();

std::string Describe(const RECT& r);
