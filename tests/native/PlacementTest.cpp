// FormCreate and FormClose: the placement kept in the own key.

#include <gtest/gtest.h>

#include "Config.h"

namespace {

TEST(Placement, FirstStartUsesTheDescribedPlacementAndCloseStoresIt) {
  THarness h;
  TForm1& f = h.Start();
  EXPECT_TRUE(h.Reports().empty());
  EXPECT_EQ(f.Bounds(), (TRect{28, 28, 348, 398}));
  EXPECT_EQ(f.StatusBar1->Bounds(), (TRect{4, 336, 332, 25}));
  EXPECT_EQ(f.StatusBar1->SimpleText(), StatusHint);
  f.WindowBoundsChanged({-5, 7, 300, 200});  // the user moved and sized it
  f.Button2->UserClick();
  EXPECT_TRUE(h.App().Terminated());
  const std::pair<const char*, std::uint32_t> stored[] = {
      {"FormTop", 7}, {"FormLeft", static_cast<std::uint32_t>(-5)}, {"FormHeight", 200}, {"FormWidth", 300}};
  for (const auto& [name, value] : stored) {
    const reg::TValue* v = h.store.Find(paths::Own, name);
    ASSERT_NE(v, nullptr) << name;
    EXPECT_EQ(v->type, reg::kDword);
    EXPECT_EQ(v->data, (std::vector<std::uint8_t>{
                           static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                           static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}))
        << name;
  }
}

TEST(Placement, StoredValuesAreAppliedAndTheStatusBarFollowsTheWidth) {
  THarness h;
  PutLanUser(h.store);
  h.store.PutDword(paths::Own, "FormTop", 100);
  h.store.PutDword(paths::Own, "FormLeft", 200);
  h.store.PutDword(paths::Own, "FormHeight", 400);
  h.store.PutDword(paths::Own, "FormWidth", 500);
  TForm1& f = h.Start();
  EXPECT_EQ(f.Bounds(), (TRect{200, 100, 500, 400}));
  EXPECT_EQ(f.StatusBar1->Width(), 484);
}

TEST(Placement, AWrongTypeStopsFormCreateAfterTheValuesBeforeIt) {
  const struct {
    std::string left;
    const char* pattern;
  } cases[] = {{"ab", Msg::InvalidRegType}, {"abcd", Msg::RegGetDataFailed}};
  for (const auto& c : cases) {
    THarness h;
    PutLanUser(h.store);
    h.store.PutDword(paths::Own, "FormTop", 100);
    h.store.PutString(paths::Own, "FormLeft", c.left);
    h.store.PutDword(paths::Own, "FormWidth", 500);
    TForm1& f = h.Start();
    ASSERT_EQ(h.Reports().size(), 1u);
    EXPECT_EQ(h.Reports()[0], Report(c.pattern, "FormLeft"));
    EXPECT_EQ(f.Bounds(), (TRect{28, 100, 348, 398}));
    EXPECT_EQ(f.StatusBar1->Width(), 333);
    EXPECT_EQ(f.StatusBar1->SimpleText(), "Status");
    EXPECT_EQ(f.Edit2->Text(), "Proxy Server:PORT");  // the load did not run
    EXPECT_EQ(h.store.OpenKeyCount(), 0u);
  }
}

TEST(Placement, AbsentValuesKeepTheDescriptionWithoutAMessage) {
  THarness h;
  PutLanUser(h.store);
  h.store.PutDword(paths::Own, "FormHeight", 450);
  TForm1& f = h.Start();
  EXPECT_TRUE(h.Reports().empty());
  EXPECT_EQ(f.Bounds(), (TRect{28, 28, 348, 450}));
  EXPECT_EQ(f.Edit2->Text(), "corp-proxy:8080");
}

TEST(Placement, ARefusedWriteAtCloseKeepsTheWindowOpen) {
  THarness h;
  TForm1& f = h.Start();
  h.store.RefuseWrite(paths::Own, "FormHeight");
  f.Button2->UserClick();
  ASSERT_EQ(h.Reports().size(), 1u);
  EXPECT_EQ(h.Reports()[0], Report(Msg::RegSetDataFailed, "FormHeight"));
  EXPECT_FALSE(h.App().Terminated());
  EXPECT_EQ(h.store.Find(paths::Own, "FormWidth"), nullptr);
  EXPECT_EQ(h.store.OpenKeyCount(), 0u);
  // An own key that cannot be opened at all: nothing stored, the close goes ahead.
  h.store.ClearFaults();
  h.store.DenyFullAccess(paths::Own);
  f.Button2->UserClick();
  EXPECT_TRUE(h.App().Terminated());
  EXPECT_EQ(h.Reports().size(), 1u);
}

}  // namespace
