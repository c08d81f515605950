#pragma once
// The form's window: its frame and placement, the labels and pictures it
// paints itself, and the parent that reflects its children's notifications.

#include <string>
#include <vector>

#include "Forms.h"
#include "Win32BackendGdi.h"
#include "Win32BackendWindow.h"

class TWin32Backend;

class TFormWindow : public TWin32Window, public TFormPeer {
 public:
  TFormWindow(TWin32Backend& backend, TForm& form);
  ~TFormWindow() override;

  // Gives every control its window or its place in the painting.
  void CreateControls();

  void BoundsChanged(const TRect& bounds) override;
  void Shown() override;
  bool Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  // One font object for each distinct font of the form, kept as long as
  // the window.
  HFONT FontFor(const TFont& font);
  void InvalidateControl(const TRect& bounds);
  // A radio button that gets the focus from us, not from the user, must not
  // take it as a click.
  bool ClicksSuppressed() const { return suppressClicks_ > 0; }
  // Moves the focus on before a focused control disappears.
  void FocusLeaving(HWND control);

 private:
  struct TFontEntry {
    TFont font;
    TFontHandle handle;
  };
  void Paint();
  TControl* PaintedAt(POINT point) const;
  void RestoreFocus();
  void SetFocusQuietly(HWND hwnd);
  void ReflectCommand(WPARAM wp, LPARAM lp);
  void MouseDown(POINT point);
  void MouseUp(POINT point);

  TWin32Backend& backend_;
  TForm& form_;
  std::vector<TFontEntry> fonts_;
  HWND savedFocus_ = nullptr;
  TControl* pressed_ = nullptr;
  int suppressClicks_ = 0;
};
