// Account and mode editing, and the picture panel, through the controls'
// entry points as the window drives them.

#include <gtest/gtest.h>

#include "Config.h"

namespace {

using Items = std::vector<AnsiString>;

struct EditingTest : ::testing::Test {
  THarness h;
  TForm1* f = nullptr;
  void SetUp() override {
    PutLanUser(h.store);
    f = &h.Start();
    ASSERT_TRUE(h.Reports().empty());
  }
};

TEST_F(EditingTest, TypedServersSurviveAChangeOfAccount) {
  f->ComboBox1->UserSelect(0);
  EXPECT_EQ(f->Edit3->Text(), "pop.work.example");
  EXPECT_EQ(f->Edit4->Text(), "smtp.work.example");
  f->Edit3->UserEdit("pop.new.example");
  f->Edit4->UserEdit("");  // cleared: an empty entry
  f->ComboBox1->UserSelect(2);
  EXPECT_EQ(f->Edit3->Text(), "pop2.example");
  f->ComboBox1->UserSelect(0);
  EXPECT_EQ(f->Edit3->Text(), "pop.new.example");
  EXPECT_EQ(Pop3Servers.Items(), (Items{"pop.new.example", "pop.home.example", "pop2.example"}));
  EXPECT_EQ(SmtpServers.Items(), (Items{"", "smtp.home.example", ""}));
  // Edit4 belongs to the mail list even while a news account is chosen.
  f->ComboBox2->UserSelect(1);
  f->Edit4->UserEdit("smtp.x");
  EXPECT_EQ(SmtpServers[0], "smtp.x");
  f->Edit5->UserEdit("news.y");
  EXPECT_EQ(NntpServers.Items(), (Items{"news.example", "news.y"}));
  EXPECT_TRUE(h.Reports().empty());
}

TEST_F(EditingTest, TypingWithNoAccountSelectedReportsEveryChangeAndKeepsTheText) {
  f->ComboBox1->SetItemIndex(-1);
  f->ComboBox2->SetItemIndex(-1);
  const auto pop3 = Pop3Servers.Items();
  f->Edit3->UserEdit("p");
  f->Edit3->UserEdit("po");
  f->Edit4->UserEdit("s");
  f->Edit5->UserEdit("n");
  EXPECT_EQ(h.Reports(), std::vector<AnsiString>(4, Report(Msg::ListIndexError)));
  EXPECT_EQ(f->Edit3->Text(), "po");
  EXPECT_EQ(Pop3Servers.Items(), pop3);
  f->ComboBox1->UserSelect(1);  // the stored server replaces the typed text
  EXPECT_EQ(f->Edit3->Text(), "pop.home.example");
}

TEST_F(EditingTest, ModeFollowsTheRadioButtonsTheProxyFieldAndTheDialupList) {
  const struct {
    TRadioButton* TForm1::*radio;
    std::int32_t mode;
  } cases[] = {{&TForm1::RadioButton1, 3}, {&TForm1::RadioButton3, 2}, {&TForm1::RadioButton2, 0}};
  for (const auto& c : cases) {
    (f->*c.radio)->UserClick();
    EXPECT_EQ(ConnectionMode, c.mode);
  }
  // A click on the selected button leaves a mode that differs from it.
  ConnectionMode = 1;
  f->RadioButton2->UserClick();
  EXPECT_EQ(ConnectionMode, 1);

  ConnectionMode = 0;
  f->Edit1->UserClick();
  EXPECT_TRUE(f->RadioButton1->Checked());
  EXPECT_FALSE(f->RadioButton2->Checked());
  EXPECT_EQ(ConnectionMode, 3);
  ConnectionMode = 7;
  f->Edit1->UserClick();  // already "Quendle": nothing
  EXPECT_EQ(ConnectionMode, 7);
  f->Edit1->UserEdit("typed:1");  // typing is no click
  EXPECT_EQ(ConnectionMode, 7);

  f->ListBox1->UserSelect(0);
  EXPECT_TRUE(f->RadioButton3->Checked());
  EXPECT_EQ(ConnectionMode, 2);
}

TEST(EditingBeforeLoad, ServerFieldsReportWithoutTouchingAnyList) {
  THarness h;
  PutLanUser(h.store);
  h.store.PutString(paths::Own, "FormTop", "ab");  // FormCreate ends before the load
  TForm1& f = h.Start();
  f.Edit3->UserEdit("x");
  f.Edit5->UserEdit("y");
  ASSERT_EQ(h.Reports().size(), 3u);
  EXPECT_EQ(h.Reports()[2], Report(Msg::ListIndexError));
  EXPECT_EQ(Pop3Servers.Count() + NntpServers.Count(), 0);
}

TEST_F(EditingTest, PicturePanelCyclesThroughFivePicturesAndHides) {
  TImage* pictures[] = {f->Image2, f->Image3, f->Image4, f->Image5, f->Image6};
  auto shown = [&] {
    std::string s;
    for (TImage* p : pictures) s += p->Visible() ? '1' : '0';
    return s + (f->Label10->Visible() ? "L" : "-") + (f->Button4->Visible() ? "B" : "-");
  };
  EXPECT_EQ(shown(), "00000--");
  f->Image1->UserClick();
  EXPECT_EQ(shown(), "00000-B");
  const char* afterPress[] = {"10000-B", "01000-B", "00100-B", "00010-B", "00001LB", "00000--"};
  for (int round = 0; round < 2; ++round) {
    f->Image1->UserClick();
    for (int press = 0; press < 6; ++press) {
      if (press == 2) f->Image1->UserClick();  // changes nothing mid-cycle
      f->Button4->UserClick();
      EXPECT_EQ(shown(), afterPress[press]) << "round " << round << " press " << press + 1;
    }
    EXPECT_EQ(PictureIndex, 0);
  }
  f->Button3->UserClick();  // ReLoad leaves the panel alone
  EXPECT_EQ(shown(), "00000--");
}

}  // namespace
