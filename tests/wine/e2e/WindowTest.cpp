// The real window from outside, as a person and the window system see it:
// its controls against the design, its placement kept across runs, every
// way of closing it, and the error box.

#include <gtest/gtest.h>

#include <algorithm>

#include "DescribedLayout.h"
#include "RealProgram.h"
#include "UiProbe.h"

namespace {

DWORD Dword(const char* name) {
  DWORD type = 0;
  std::vector<BYTE> data;
  if (!real::Get(real::Own, name, &type, &data) || type != REG_DWORD || data.size() != 4) return 0xDEADBEEF;
  return *reinterpret_cast<const DWORD*>(data.data());
}

RECT Outer(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  return r;
}

void ExpectPlacement(HWND form, int left, int top, int width, int height) {
  const RECT r = Outer(form);
  EXPECT_EQ(r.left, left);
  EXPECT_EQ(r.top, top);
  EXPECT_EQ(r.right - r.left, width);
  EXPECT_EQ(r.bottom - r.top, height);
}

TEST(RealWindow, AWrongPlacementTypeShowsTheErrorBoxThenTheDescribedWindow) {
  real::DeleteTree(real::Own);
  real::PutDword(real::Own, "FormTop", 40);
  real::PutString(real::Own, "FormLeft", "ab");  // short text: a data-type error
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::wstring cmd = L"\"" + ProgramPath + L"\"";
  ASSERT_TRUE(CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
  TMessageBox box = WaitForMessageBox(pi.dwProcessId, 20000);
  ASSERT_NE(box.hwnd, nullptr);
  EXPECT_EQ(box.caption, W(kTitle));
  EXPECT_EQ(box.text, W("'FormLeft' のﾃﾞｰﾀ型が不正です."));
  ASSERT_NE(box.icon, nullptr);
  EXPECT_NE(SendWaiting(box.icon, STM_GETICON), 0);
  EXPECT_EQ(GetDlgItem(box.hwnd, IDCANCEL), nullptr);  // one button
  Click(box.ok);

  HWND form = WaitForWindow(pi.dwProcessId, L"TForm1", W(kCaption).c_str(), 20000);
  ASSERT_NE(form, nullptr);
  const RECT outer = Outer(form);
  EXPECT_EQ(outer.top, 40);  // read before the failing value
  EXPECT_EQ(outer.left, 28);
  EXPECT_EQ(outer.right - outer.left, 348);
  EXPECT_EQ(outer.bottom - outer.top, 398);
  const LONG style = GetWindowLongW(form, GWL_STYLE);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & (WS_HSCROLL | WS_VSCROLL));

  // The load did not run: every control as designed.
  std::vector<std::pair<int, HWND>> tabStops;
  for (const TControlSpec& row : DescribedControls()) {
    if (!row.windowClass) continue;
    SCOPED_TRACE(row.name);
    HWND c = ChildAt(form, row.left, row.top);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(ClassOf(c), row.windowClass);
    const RECT r = PlaceInParent(c);
    EXPECT_EQ(r.right - r.left, row.width);
    EXPECT_EQ(r.bottom - r.top, row.height);
    EXPECT_EQ(IsWindowVisible(c) != FALSE, row.shown);
    const std::wstring text = std::wstring(row.windowClass) == L"msctls_statusbar32" ? StatusText(c) : TextOf(c);
    if (std::wstring(row.windowClass) != L"ComboBox" && std::wstring(row.windowClass) != L"ListBox") {
      EXPECT_EQ(text, W(row.text)) << U8(text);
    }
    // Tab reaches a radio button of a group only when it is the checked one,
    // as the dialog manager does; none is checked here.
    const bool uncheckedRadio = (GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK) == BS_RADIOBUTTON &&
                                SendWaiting(c, BM_GETCHECK) != BST_CHECKED;
    if (row.tabOrder >= 0 && row.shown && !uncheckedRadio) tabStops.emplace_back(row.tabOrder, c);
  }
  std::sort(tabStops.begin(), tabStops.end());
  std::vector<HWND> expected;
  for (const auto& [order, c] : tabStops) expected.push_back(c);
  EXPECT_EQ(TabCycle(form), expected);

  PostMessageW(form, WM_CLOSE, 0, 0);  // the close box
  EXPECT_EQ(WaitForSingleObject(pi.hProcess, 20000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(pi.hProcess, &code);
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(Dword("FormLeft"), 28u);  // stored as an integer now
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

TEST(RealWindow, FirstStartThenEveryWayOfClosingStoresThePlacement) {
  real::DeleteTree(real::Own);
  {
    TProgram program;
    ASSERT_NE(program.Form(), nullptr);
    ExpectPlacement(program.Form(), 28, 28, 348, 398);
    HWND bar = program.At(4, 336);
    EXPECT_EQ(PlaceInParent(bar).right - PlaceInParent(bar).left, 332);
    EXPECT_EQ(StatusText(bar), W(kStatusHint));
    EXPECT_EQ(WaitForMessageBox(program.Pid(), 200).hwnd, nullptr);
    Click(program.At(252, 60));  // Cancel
    EXPECT_EQ(program.Wait(), 0);
  }
  EXPECT_EQ(Dword("FormWidth"), 348u);

  const struct {
    const char* how;
    void (*close)(TProgram&);
  } closes[] = {
      {"Cancel", [](TProgram& p) { Click(p.At(252, 60)); }},
      {"close box", [](TProgram& p) { PostMessageW(p.Form(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"Alt+F4", [](TProgram& p) { PostMessageW(p.Form(), WM_SYSKEYDOWN, VK_F4, 0x20000001); }},
      {"taskbar", [](TProgram& p) {
         HWND app = WaitForWindow(p.Pid(), L"TApplication", nullptr, 5000);
         ASSERT_NE(app, nullptr);
         EXPECT_EQ(TextOf(app), W(kTitle));
         PostMessageW(app, WM_SYSCOMMAND, SC_CLOSE, 0);
       }},
  };
  int step = 0;
  for (const auto& c : closes) {
    SCOPED_TRACE(c.how);
    real::PutDword(real::Own, "FormTop", 100);
    real::PutDword(real::Own, "FormLeft", 200);
    real::PutDword(real::Own, "FormHeight", 400);
    real::PutDword(real::Own, "FormWidth", 500);
    TProgram program;
    ASSERT_NE(program.Form(), nullptr);
    ExpectPlacement(program.Form(), 200, 100, 500, 400);
    HWND bar = program.At(4, 336);
    EXPECT_EQ(PlaceInParent(bar).right - PlaceInParent(bar).left, 484);
    // The user moves and sizes the window; nothing inside moves with it.
    ++step;
    SetWindowPos(program.Form(), nullptr, 10 * step, 20 * step, 420 + step, 380 + step, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(Eventually([&] { return Outer(program.Form()).left == 10 * step; }));
    EXPECT_EQ(PlaceInParent(bar).right - PlaceInParent(bar).left, 484);
    c.close(program);
    EXPECT_EQ(program.Wait(), 0);
    EXPECT_EQ(Dword("FormLeft"), static_cast<DWORD>(10 * step));
    EXPECT_EQ(Dword("FormTop"), static_cast<DWORD>(20 * step));
    EXPECT_EQ(Dword("FormWidth"), static_cast<DWORD>(420 + step));
    EXPECT_EQ(Dword("FormHeight"), static_cast<DWORD>(380 + step));
  }
}

}  // namespace
