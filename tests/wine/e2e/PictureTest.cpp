// The picture panel in the real window: a click on the side picture brings
// out "My Family", six presses run the cycle and put it away again.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "RealProgram.h"
#include "UiProbe.h"

namespace {

constexpr POINT kMyFamily{252, 176};

// With ORVIK_HOLD_FILE set, the test writes that file after the fifth press
// and waits five seconds, so that a script can take a screenshot.
void HoldForScreenshot() {
  const char* marker = std::getenv("ORVIK_HOLD_FILE");
  if (!marker) return;
  std::ofstream(marker) << "press 5\n";
  Sleep(5000);
}

TEST(RealPictures, SideClickShowsTheButtonAndSixPressesHideIt) {
  real::DeleteTree(real::Own);
  TProgram program;
  ASSERT_NE(program.Form(), nullptr);
  HWND button = program.At(kMyFamily.x, kMyFamily.y);
  EXPECT_FALSE(IsWindowVisible(button));
  // A point of the strip that no button covers.
  PostMessageW(program.Form(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(290, 150));
  PostMessageW(program.Form(), WM_LBUTTONUP, 0, MAKELPARAM(290, 150));
  EXPECT_TRUE(Eventually([&] { return IsWindowVisible(button) != FALSE; }));
  for (int press = 1; press <= 6; ++press) {
    Click(button);
    EXPECT_EQ(IsWindowVisible(button) != FALSE, press < 6) << "after press " << press;
    if (press == 5) {
      UpdateWindow(program.Form());
      HoldForScreenshot();
    }
  }
  Click(program.At(252, 60));  // Cancel
  EXPECT_EQ(program.Wait(), 0);
}

}  // namespace
