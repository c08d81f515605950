// What the window shows beyond places and texts: fonts, the closed input
// method, the pictures and the icon.

#include <gtest/gtest.h>
#include <windows.h>
// <commctrl.h> and <imm.h> need <windows.h> before them.
#include <commctrl.h>
#include <imm.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "DescribedLayout.h"
#include "LiveForm.h"
#include "UiProbe.h"

namespace {

struct WindowLook : ::testing::Test {
  TLiveForm live;
  TForm1* f = nullptr;
  void SetUp() override { f = &live.Start(); }
};

TEST_F(WindowLook, EveryWindowedControlHasItsDescribedFont) {
  for (const TControlSpec& row : DescribedControls()) {
    if (!row.windowClass) continue;
    SCOPED_TRACE(row.name);
    HWND hwnd = WindowOf(*f->FindControl(row.name));
    ASSERT_NE(hwnd, nullptr);
    auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW lf{};
    ASSERT_TRUE(GetObjectW(font, sizeof lf, &lf));
    EXPECT_EQ(U8(lf.lfFaceName), row.font->face);
    EXPECT_EQ(lf.lfCharSet, row.font->charset);
    EXPECT_EQ(lf.lfHeight, row.font->height);
    EXPECT_EQ(lf.lfWeight >= FW_BOLD, row.font->bold);
    EXPECT_EQ(lf.lfUnderline != 0, row.font->underline);
  }
}

// A drop-down list is created with the height of its opened list; closed,
// it must still be as high as described, like every other control.
TEST_F(WindowLook, EveryWindowedControlHasItsDescribedSizeClosed) {
  for (const TControlSpec& row : DescribedControls()) {
    if (!row.windowClass) continue;
    SCOPED_TRACE(row.name);
    const RECT r = PlaceInParent(WindowOf(*f->FindControl(row.name)));
    const int width = std::string(row.name) == "StatusBar1" ? 348 - 16 : row.width;
    EXPECT_EQ(Describe(r), Describe(RECT{row.left, row.top, row.left + width, row.top + row.height}));
  }
  // Opened, a drop-down list shows several of its items.
  for (TComboBox* combo : {f->ComboBox1, f->ComboBox2}) {
    RECT dropped;
    SendMessageW(WindowOf(*combo), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_GE(dropped.bottom - dropped.top, combo->Height() + 4 * combo->ItemHeight) << combo->Name();
  }
}

TEST_F(WindowLook, TheEditsTakePlainCharactersWithoutLimit) {
  for (TEdit* edit : {f->Edit1, f->Edit2, f->Edit3, f->Edit4, f->Edit5}) {
    SCOPED_TRACE(edit->Name());
    HWND hwnd = WindowOf(*edit);
    HIMC context = ImmGetContext(hwnd);
    EXPECT_EQ(context, nullptr) << "an input method is attached";
    if (context) ImmReleaseContext(hwnd, context);
    EXPECT_GE(static_cast<unsigned long>(SendMessageW(hwnd, EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEul);
  }
}

TEST_F(WindowLook, TheControlsAreOfTheKindsTheModelRulesOver) {
  for (TRadioButton* r : {f->RadioButton1, f->RadioButton2, f->RadioButton3})
    EXPECT_EQ(GetWindowLongPtrW(WindowOf(*r), GWL_STYLE) & BS_TYPEMASK, BS_RADIOBUTTON) << r->Name();
  EXPECT_EQ(GetWindowLongPtrW(WindowOf(*f->CheckBox1), GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
  const auto list = GetWindowLongPtrW(WindowOf(*f->ListBox1), GWL_STYLE);
  EXPECT_TRUE(list & LBS_NOTIFY);
  EXPECT_FALSE(list & LBS_SORT);
  for (TComboBox* c : {f->ComboBox1, f->ComboBox2, f->ComboBox3, f->ComboBox4, f->ComboBox5})
    EXPECT_EQ(GetWindowLongPtrW(WindowOf(*c), GWL_STYLE) & 3, CBS_DROPDOWNLIST) << c->Name();
  HWND status = WindowOf(*f->StatusBar1);
  EXPECT_TRUE(SendMessageW(status, SB_ISSIMPLE, 0, 0));
  EXPECT_FALSE(GetWindowLongPtrW(status, GWL_STYLE) & SBARS_SIZEGRIP);
  for (TButton* b : {f->Button1, f->Button2, f->Button3, f->Button4})
    EXPECT_EQ(GetWindowLongPtrW(WindowOf(*b), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON) << b->Name();
}

// The pictures as built into the program: sizes and colour depths.
struct TPicture {
  const wchar_t* resource;
  int width, height, bitsPerPixel;
};

const TPicture kPictures[] = {
    {L"IMAGE1", 81, 393, 8}, {L"IMAGE2", 79, 98, 24},  {L"IMAGE3", 79, 110, 24},
    {L"IMAGE4", 79, 86, 8},  {L"IMAGE5", 79, 108, 24}, {L"IMAGE6", 79, 84, 24},
};

TEST_F(WindowLook, ThePicturesHaveTheirSizesAndColourDepths) {
  for (const TPicture& p : kPictures) {
    SCOPED_TRACE(U8(p.resource));
    auto bitmap = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), p.resource, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
    DIBSECTION dib{};
    ASSERT_EQ(GetObjectW(bitmap, sizeof dib, &dib), static_cast<int>(sizeof dib));
    EXPECT_EQ(dib.dsBmih.biWidth, p.width);
    EXPECT_EQ(std::abs(dib.dsBmih.biHeight), p.height);
    EXPECT_EQ(dib.dsBmih.biBitCount, p.bitsPerPixel);
    DeleteObject(bitmap);
  }
}

TEST_F(WindowLook, TheIconIs32By32InSixteenColoursWithAMask) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HRSRC group = FindResourceW(instance, L"MAINICON", reinterpret_cast<LPCWSTR>(RT_GROUP_ICON));
  ASSERT_NE(group, nullptr);
  const auto* dir = static_cast<const BYTE*>(LockResource(LoadResource(instance, group)));
  ASSERT_NE(dir, nullptr);
  // GRPICONDIR: reserved, type 1, count; then 14-byte entries.
  EXPECT_EQ(dir[2] | dir[3] << 8, 1);
  EXPECT_EQ(dir[4] | dir[5] << 8, 1);
  const BYTE* entry = dir + 6;
  EXPECT_EQ(entry[0], 32);
  EXPECT_EQ(entry[1], 32);
  EXPECT_EQ(entry[2], 16);
  EXPECT_EQ(entry[6] | entry[7] << 8, 4);
  auto icon = static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON, 32, 32, 0));
  ASSERT_NE(icon, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  EXPECT_NE(info.hbmMask, nullptr);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  DestroyIcon(icon);
  // The window's caption shows it.
  EXPECT_NE(GetClassLongPtrW(live.FormWindow(), GCLP_HICON), 0u);
}

COLORREF PixelAt(HWND hwnd, int x, int y) {
  UpdateWindow(hwnd);
  HDC dc = GetDC(hwnd);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(hwnd, dc);
  return c;
}

TEST_F(WindowLook, TheFamilyPicturesArePaintedOverTheStripOneAtATime) {
  HWND form = live.FormWindow();
  const int x = 253 + 39, y = 204 + 40;  // inside every one of the frames
  const COLORREF strip = PixelAt(form, x, y);
  EXPECT_NE(strip, GetSysColor(COLOR_BTNFACE));
  std::vector<COLORREF> seen{strip};
  f->Image1->UserClick();
  for (int press = 1; press <= 5; ++press) {
    SCOPED_TRACE(press);
    Press(WindowOf(*f->Button4));
    const COLORREF now = PixelAt(form, x, y);
    EXPECT_NE(now, seen.back()) << "the frame did not change";
    seen.push_back(now);
  }
  Press(WindowOf(*f->Button4));
  EXPECT_EQ(PixelAt(form, x, y), strip);
}

}  // namespace
