// Real window messages reach the handlers by the controls' rules: once per
// change, never for the program's own changes, never for a radio button that
// is already checked.

#include <gtest/gtest.h>

#include "Cp932.h"
#include "LiveForm.h"
#include "UiProbe.h"
#include "WorkingState.h"

namespace {

struct WindowEvents : ::testing::Test {
  TLiveForm live;
  TForm1* f = nullptr;
  void SetUp() override {
    PutLanUser(live.store);
    f = &live.Start();
  }
  bool Checked(const TControl& c) { return SendMessageW(WindowOf(c), BM_GETCHECK, 0, 0) == BST_CHECKED; }
};

// Typed text, one change per character, arrives in the model as code page
// 932 and in the server list of the selected account.
struct TTyping {
  const char* typed;     // UTF-8
  const char* expected;  // code page 932 bytes appended to the text
};

const TTyping kTypings[] = {
    {"x", "x"},
    {"a.b", "a.b"},
    {"あ", "\x82\xA0"},
    {"ﾃﾞｰﾀ", "\xC3\xDE\xB0\xC0"},
    {"表示", "\x95\x5C\x8E\xA6"},
};

TEST_F(WindowEvents, TypingRunsTheChangeHandlerOncePerChangeWithTheWindowsText) {
  for (const TTyping& t : kTypings) {
    SCOPED_TRACE(t.typed);
    f = &live.Start();
    TRuns runs;
    f->Edit3->OnChange = runs.Wrap(f->Edit3->OnChange);
    HWND edit = WindowOf(*f->Edit3);
    SetFocus(edit);
    const int end = GetWindowTextLengthW(edit);
    SendMessageW(edit, EM_SETSEL, end, end);
    const AnsiString before = f->Edit3->Text();
    const std::wstring typed = W(t.typed);
    Type(edit, typed);
    EXPECT_EQ(runs.count, static_cast<int>(typed.size()));
    EXPECT_EQ(f->Edit3->Text(), before + t.expected);
    EXPECT_EQ(Pop3Servers[f->ComboBox1->ItemIndex()], f->Edit3->Text());
    EXPECT_EQ(Cp932FromWide(TextOf(edit)), f->Edit3->Text());
  }
}

TEST_F(WindowEvents, DeletingAllTextIsOneChangeAndStoresAnEmptyServer) {
  TRuns runs;
  f->Edit4->OnChange = runs.Wrap(f->Edit4->OnChange);
  HWND edit = WindowOf(*f->Edit4);
  SetFocus(edit);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  Key(edit, VK_DELETE);
  EXPECT_EQ(runs.count, 1);
  EXPECT_EQ(f->Edit4->Text(), "");
  EXPECT_EQ(SmtpServers[f->ComboBox1->ItemIndex()], "");
}

TEST_F(WindowEvents, TheProgramsOwnTextReachesTheWindowAndRunsTheHandlerOnlyOnce) {
  TRuns runs;
  f->Edit5->OnChange = runs.Wrap(f->Edit5->OnChange);
  f->Edit5->SetText("nntp.example");
  f->Edit5->SetText("nntp.example");
  EXPECT_EQ(runs.count, 1);
  EXPECT_EQ(TextOf(WindowOf(*f->Edit5)), L"nntp.example");
  // A text longer than an edit's usual limit is shown whole.
  const AnsiString longText(40000, 'n');
  f->Edit5->SetText(longText);
  EXPECT_EQ(TextOf(WindowOf(*f->Edit5)).size(), longText.size());
  EXPECT_EQ(runs.count, 2);
}

// Clicks on the mode buttons, from the loaded "Lan".
struct TRadioClick {
  const char* clicked;
  int expectedRuns;
  std::int32_t expectedMode;
  bool quendle, lan, dialup;  // checked in the window afterwards
};

const TRadioClick kRadioClicks[] = {
    {"RadioButton2", 0, 0, false, true, false},  // already checked: nothing
    {"RadioButton1", 1, 3, true, false, false},
    {"RadioButton3", 1, 2, false, false, true},
};

TEST_F(WindowEvents, AClickOnAModeButtonRunsItsHandlerOnceAndNothingWhenItIsChecked) {
  for (const TRadioClick& click : kRadioClicks) {
    SCOPED_TRACE(click.clicked);
    f = &live.Start();
    ASSERT_TRUE(f->RadioButton2->Checked());
    TRuns runs;
    for (TRadioButton* r : {f->RadioButton1, f->RadioButton2, f->RadioButton3})
      r->OnClick = runs.Wrap(r->OnClick);
    ConnectionMode = 7;  // any run of a handler would show
    auto* radio = f->Control<TRadioButton>(click.clicked);
    Press(WindowOf(*radio));
    Press(WindowOf(*radio));  // the second is a click on a checked button
    EXPECT_EQ(runs.count, click.expectedRuns);
    EXPECT_EQ(ConnectionMode, click.expectedRuns ? click.expectedMode : 7);
    EXPECT_EQ(Checked(*f->RadioButton1), click.quendle);
    EXPECT_EQ(Checked(*f->RadioButton2), click.lan);
    EXPECT_EQ(Checked(*f->RadioButton3), click.dialup);
    EXPECT_EQ(f->RadioButton1->Checked(), click.quendle);
    EXPECT_EQ(f->RadioButton2->Checked(), click.lan);
    EXPECT_EQ(f->RadioButton3->Checked(), click.dialup);
  }
}

TEST_F(WindowEvents, TheCheckBoxTellsTheModelWhatTheUserMadeOfIt) {
  const bool before = f->CheckBox1->Checked();
  Press(WindowOf(*f->CheckBox1));
  EXPECT_EQ(f->CheckBox1->Checked(), !before);
  EXPECT_EQ(Checked(*f->CheckBox1), !before);
  f->CheckBox1->SetChecked(before);
  EXPECT_EQ(Checked(*f->CheckBox1), before);
}

// A left click into Edit1 selects the proxy mode; the focus alone, or a
// press released outside the field, does not.
struct TEditClick {
  const char* name;
  bool click;  // false: focus only
  POINT down, up;
  bool selectsQuendle;
};

const TEditClick kEditClicks[] = {
    {"click inside", true, {10, 8}, {12, 9}, true},
    {"released outside", true, {10, 8}, {400, 9}, false},
    {"focus by keyboard", false, {}, {}, false},
};

TEST_F(WindowEvents, AClickIntoEdit1SelectsTheProxyMode) {
  for (const TEditClick& c : kEditClicks) {
    SCOPED_TRACE(c.name);
    f = &live.Start();
    ASSERT_TRUE(f->RadioButton2->Checked());
    HWND edit = WindowOf(*f->Edit1);
    if (c.click)
      DragClick(edit, c.down, c.up);
    else
      SetFocus(edit);
    EXPECT_EQ(f->RadioButton1->Checked(), c.selectsQuendle);
    EXPECT_EQ(Checked(*f->RadioButton1), c.selectsQuendle);
    EXPECT_EQ(Checked(*f->RadioButton2), !c.selectsQuendle);
    EXPECT_EQ(ConnectionMode, c.selectsQuendle ? 3 : 0);
  }
}

TEST_F(WindowEvents, ChoosingADialupEntryWithTheKeyboardSelectsTheDialupMode) {
  HWND list = WindowOf(*f->ListBox1);
  const int before = f->ListBox1->ItemIndex();
  SetFocus(list);
  Key(list, before == 0 ? VK_DOWN : VK_UP);
  EXPECT_NE(f->ListBox1->ItemIndex(), before);
  EXPECT_EQ(f->ListBox1->ItemIndex(), SendMessageW(list, LB_GETCURSEL, 0, 0));
  EXPECT_TRUE(Checked(*f->RadioButton3));
  EXPECT_EQ(ConnectionMode, 2);
}

TEST_F(WindowEvents, TheListBoxShowsItsItemsInTheModelsOrderHoweverTheyCame) {
  f->ListBox1->AssignItems({"zed", "Backup", "_x", "a1", "Provider B"});
  f->ListBox1->SetItemIndex(2);
  for (const char* added : {"b", "A", "provider a", "zz"}) f->ListBox1->AddItem(added);
  std::vector<std::wstring> model;
  for (const AnsiString& item : f->ListBox1->Items().Items()) model.push_back(WideFromCp932(item));
  HWND list = WindowOf(*f->ListBox1);
  EXPECT_EQ(ListItems(list), model);
  EXPECT_FALSE(GetWindowLongPtrW(list, GWL_STYLE) & LBS_SORT);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), f->ListBox1->ItemIndex());
}

TEST_F(WindowEvents, ChoosingAMailAccountShowsItsServersAndTheProgramsChoiceRunsNothing) {
  HWND combo = WindowOf(*f->ComboBox1);
  TRuns runs;
  f->ComboBox1->OnChange = runs.Wrap(f->ComboBox1->OnChange);
  f->ComboBox1->SetItemIndex(0);
  EXPECT_EQ(runs.count, 0);
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
  SetFocus(combo);
  Key(combo, VK_DOWN);
  EXPECT_EQ(runs.count, 1);
  ASSERT_EQ(f->ComboBox1->ItemIndex(), 1);
  EXPECT_EQ(Cp932FromWide(TextOf(WindowOf(*f->Edit3))), Pop3Servers[1]);
  EXPECT_EQ(Cp932FromWide(TextOf(WindowOf(*f->Edit4))), SmtpServers[1]);
  // Beyond the items: no selection, in the window as in the model.
  f->ComboBox1->SetItemIndex(f->ComboBox1->Items().Count());
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), -1);
  EXPECT_EQ(f->ComboBox1->ItemIndex(), -1);
}

TEST_F(WindowEvents, AClickOnThePictureRevealsTheFamilyButtonWhichStepsThroughThePictures) {
  HWND form = live.FormWindow();
  HWND button = WindowOf(*f->Button4);
  ClickAt(form, 200, 145);  // no picture there
  EXPECT_FALSE(IsWindowVisible(button));
  ClickAt(form, 290, 150);  // the strip
  EXPECT_TRUE(IsWindowVisible(button));
  SetFocus(button);
  for (int press = 1; press <= 6; ++press) Press(button);
  EXPECT_FALSE(IsWindowVisible(button));
  EXPECT_FALSE(f->Button4->Visible());
  // The focus moved on instead of staying on a hidden button.
  HWND focus = GetFocus();
  EXPECT_TRUE(focus == form || (IsChild(form, focus) && IsWindowVisible(focus)));
  ClickAt(form, 290, 150);
  EXPECT_TRUE(IsWindowVisible(button));
}

TEST_F(WindowEvents, ResizingMovesNoControlAndTheModelKnowsTheNewPlacement) {
  HWND form = live.FormWindow();
  const RECT status = PlaceInParent(WindowOf(*f->StatusBar1));
  SetWindowPos(form, nullptr, 61, 73, 520, 250, SWP_NOZORDER);
  EXPECT_EQ(f->Left(), 61);
  EXPECT_EQ(f->Top(), 73);
  EXPECT_EQ(f->Width(), 520);
  EXPECT_EQ(f->Height(), 250);
  const RECT after = PlaceInParent(WindowOf(*f->StatusBar1));
  EXPECT_EQ(Describe(after), Describe(status));
  EXPECT_FALSE(GetWindowLongPtrW(form, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL));
}

TEST_F(WindowEvents, MinimisingPutsTheWindowAwayWithTheTaskbarEntryAndRestoringBringsItBack) {
  HWND form = live.FormWindow();
  HWND application = GetWindow(form, GW_OWNER);
  ASSERT_NE(application, nullptr);
  SendMessageW(form, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Pump();
  EXPECT_FALSE(IsWindowVisible(form));
  EXPECT_TRUE(IsIconic(application));
  EXPECT_EQ(f->Width(), 348);  // not the size of an icon
  SendMessageW(application, WM_SYSCOMMAND, SC_RESTORE, 0);
  Pump();
  EXPECT_TRUE(IsWindowVisible(form));
  EXPECT_FALSE(IsIconic(application));
  EXPECT_EQ(f->Left(), 28);
  EXPECT_EQ(f->Width(), 348);
}

}  // namespace
