#pragma once
// The window system for TApplication on Win32: a window for the form and
// for each of its windowed controls, the application window that stands for
// the program on the taskbar, the message loop and the error box.

#include <memory>
#include <vector>

#include "Forms.h"
#include "Win32BackendWindow.h"

class TFormWindow;

class TWin32Backend : public TBackend {
 public:
  TWin32Backend();
  ~TWin32Backend() override;

  void Realize(TForm& form) override;
  void ShowError(const AnsiString& text, const AnsiString& title) override;
  void TitleChanged(const AnsiString& title) override;
  void Run() override;
  void Quit() override;

  // The zero-size window that owns the forms and carries the taskbar entry.
  HWND ApplicationWindow() const;
  // Puts the program away on the taskbar, and brings it back.
  void Minimize();
  void Restore();
  // A form is shown: the taskbar entry appears with it.
  void FormShown();

 private:
  class TApplicationWindow;
  void CloseMainForm();
  void ActivateMainForm();

  std::unique_ptr<TApplicationWindow> window_;
  TApplication* application_ = nullptr;
  std::vector<HWND> hiddenByMinimize_;
};
