// The event rules of the controls and the dispatch point, on the real form.

#include <gtest/gtest.h>

#include "Harness.h"

namespace {

struct ControlsTest : ::testing::Test {
  THarness h;
  TForm1* f = nullptr;
  int runs = 0;
  void SetUp() override { f = &h.Start(); }
  TNotifyEvent Counter() {
    return [this](TObject*) { ++runs; };
  }
};

TEST_F(ControlsTest, EditChangeRunsOnceAndOnlyForADifferentText) {
  f->Edit2->OnChange = Counter();
  f->Edit2->SetText("a");
  f->Edit2->SetText("a");
  f->Edit2->UserEdit("a");
  EXPECT_EQ(runs, 1);
  f->Edit2->UserEdit("ab");
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(f->Edit2->Text(), "ab");
}

TEST_F(ControlsTest, RadioGroupChecksOneAndRunsOnlyTheNewlyCheckedHandler) {
  std::vector<std::string> ran;
  for (TRadioButton* r : {f->RadioButton1, f->RadioButton2, f->RadioButton3})
    r->OnClick = [&ran, r](TObject*) { ran.push_back(r->Name()); };
  f->RadioButton2->SetChecked(true);
  f->RadioButton1->UserClick();
  f->RadioButton1->UserClick();  // already checked: nothing
  f->RadioButton1->SetChecked(true);
  EXPECT_EQ(ran, (std::vector<std::string>{"RadioButton2", "RadioButton1"}));
  EXPECT_TRUE(f->RadioButton1->Checked());
  EXPECT_FALSE(f->RadioButton2->Checked());
  EXPECT_FALSE(f->RadioButton3->Checked());
}

TEST_F(ControlsTest, ProgramSelectionRunsNoHandlerButTheUsersDoes) {
  f->ComboBox1->OnChange = Counter();
  for (const char* s : {"x", "y"}) f->ComboBox1->AddItem(s);
  f->ComboBox1->SetItemIndex(1);
  f->ComboBox1->Clear();
  f->ComboBox1->AssignItems({"p", "q", "r"});
  EXPECT_EQ(runs, 0);
  f->ComboBox1->UserSelect(2);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(f->ComboBox1->ItemIndex(), 2);
  f->ComboBox1->SetItemIndex(3);  // beyond the items: no selection
  EXPECT_EQ(f->ComboBox1->ItemIndex(), -1);
  f->ComboBox1->SetItemIndex(0);
  f->ComboBox1->Clear();
  EXPECT_EQ(f->ComboBox1->ItemIndex(), -1);
  EXPECT_EQ(f->ComboBox1->Items().Count(), 0);
}

TEST_F(ControlsTest, SortedListBoxKeepsTheLocaleOrderWhicheverWayItIsFilled) {
  const std::vector<AnsiString> expected{"_x", "A",          "a1",         "b",   "B2",
                                         "c",  "provider a", "Provider B", "Zed", "zed2"};
  std::vector<AnsiString> shuffled{"zed2", "b",   "Provider B", "A",          "_x",
                                   "c",    "Zed", "a1",         "provider a", "B2"};
  f->ListBox1->AssignItems(shuffled);
  EXPECT_EQ(f->ListBox1->Items().Items(), expected);
  f->ListBox1->Clear();
  for (const auto& s : shuffled) f->ListBox1->AddItem(s);
  EXPECT_EQ(f->ListBox1->Items().Items(), expected);
}

TEST_F(ControlsTest, AddingBeforeTheSelectionKeepsTheSelectedItem) {
  f->ListBox1->AssignItems({"b", "d"});
  f->ListBox1->SetItemIndex(1);
  f->ListBox1->AddItem("a");
  EXPECT_EQ(f->ListBox1->Items()[f->ListBox1->ItemIndex()], "d");
}

TEST_F(ControlsTest, AnEscapingErrorIsReportedAndTheCallerGoesOn) {
  // A change handler that fails inside a programmatic change: the report
  // comes with ".", the text is set, and the code after the assignment runs.
  f->Edit2->OnChange = [](TObject*) { throw EListError(Msg::ListIndexError); };
  f->Edit2->SetText("typed");
  EXPECT_EQ(f->Edit2->Text(), "typed");
  f->Edit2->OnChange = [](TObject*) { throw EAbort(); };
  f->Edit2->SetText("silent");
  ASSERT_EQ(h.Reports().size(), 1u);
  EXPECT_EQ(h.Reports()[0], Report(Msg::ListIndexError));
}

TEST(StringList, BadIndexRaisesTheListError) {
  TStringList list;
  list.Add("a");
  for (int bad : {-1, 1, 1000}) {
    EXPECT_THROW(list.Get(bad), EListError);
    EXPECT_THROW(list.Put(bad, "x"), EListError);
  }
  try {
    list.Get(-1);
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), Msg::ListIndexError);
  }
}

}  // namespace
