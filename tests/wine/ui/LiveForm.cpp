#include "LiveForm.h"

#include "UiProbe.h"
#include "Win32BackendWindow.h"
#include "WorkingState.h"

TForm1& TLiveForm::Start() {
  ResetWorkingState();
  PictureIndex = 0;
  Form1 = nullptr;
  app_.reset();
  app_ = std::make_unique<TApplication>(backend, store);
  app_->SetTitle("Orvik for Quendle");
  app_->CreateForm(Form1);
  Pump();
  return *Form1;
}

TLiveForm::~TLiveForm() {
  app_.reset();
  Pump();
}

HWND TLiveForm::FormWindow() const {
  auto* window = Form1 ? dynamic_cast<TWin32Window*>(Form1->Peer()) : nullptr;
  return window ? window->Handle() : nullptr;
}

HWND WindowOf(const TControl& control) {
  auto* window = dynamic_cast<TWin32Window*>(control.Peer());
  return window ? window->Handle() : nullptr;
}

void ClickAt(HWND hwnd, int x, int y) { DragClick(hwnd, POINT{x, y}, POINT{x, y}); }

void DragClick(HWND hwnd, POINT down, POINT up) {
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
  SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(up.x, up.y));
  SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
  Pump();
}

void Key(HWND hwnd, WPARAM key) {
  SendMessageW(hwnd, WM_KEYDOWN, key, 1);
  SendMessageW(hwnd, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
  Pump();
}

void Type(HWND hwnd, const std::wstring& text) {
  for (wchar_t ch : text) SendMessageW(hwnd, WM_CHAR, ch, 1);
  Pump();
}
