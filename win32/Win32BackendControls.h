#pragma once
// Peers of the windowed controls. Each mirrors its model into a system
// control and turns the control's notifications into the model's User...
// entry points; the changes it makes itself never come back as the user's.

#include <memory>
#include <vector>

#include "Controls.h"
#include "Win32BackendWindow.h"

class TFormWindow;

class TControlWindow : public TWin32Window, public TControlPeer {
 public:
  TControlWindow(TFormWindow& form, TControl& control) : form_(form), control_(control) {}
  ~TControlWindow() override { DestroyHandle(); }

  void VisibleChanged(bool visible) override;
  void BoundsChanged(const TRect& bounds) override;

 protected:
  // Creates the system control at the model's place, hidden unless the model
  // is shown, with the model's font.
  void Create(const wchar_t* className, DWORD style, DWORD exStyle, const std::wstring& text, int id);
  // The height the window is created and placed with.
  virtual int WindowHeight(const TRect& bounds) const { return bounds.Height; }

  TFormWindow& form_;
  TControl& control_;
};

// A windowed control for the model, or nothing for the painted kinds.
std::unique_ptr<TControlWindow> MakeControlWindow(TFormWindow& form, TControl& control, int id);

// Lists and combo boxes (Win32BackendLists.cpp).
std::unique_ptr<TControlWindow> MakeListWindow(TFormWindow& form, TListControl& control, int id);
