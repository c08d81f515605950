#pragma once
// Labels and pictures have no windows: the form paints them in the order of
// its description, a later one over an earlier one, below every windowed
// control.

#include <memory>

#include "Controls.h"
#include "Win32BackendGdi.h"

class TFormWindow;

class TPaintedPeer : public TControlPeer {
 public:
  TPaintedPeer(TFormWindow& form, TControl& control) : form_(form), control_(control) {}
  void VisibleChanged(bool) override;
  void BoundsChanged(const TRect& bounds) override;
  void TextChanged(const AnsiString&) override;
  virtual void Paint(HDC dc) = 0;

 protected:
  TFormWindow& form_;
  TControl& control_;
  TRect painted_;  // where it was last asked to appear
};

std::unique_ptr<TPaintedPeer> MakePaintedPeer(TFormWindow& form, TControl& control);
