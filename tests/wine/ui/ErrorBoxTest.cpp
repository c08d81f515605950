// The error box as a person meets it: a handler fails, the box is up with
// the window disabled behind it, OK dismisses it and the window is active
// again.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "LiveForm.h"
#include "UiProbe.h"
#include "WorkingState.h"

namespace {

// What a person saw of each box, seen from another thread while this one
// waits in the box.
struct TSeenBox {
  std::wstring caption, text;
  bool stopIcon = false;
  bool ownedByApplication = false;
  bool formDisabled = false;
};

class TBoxWatcher {
 public:
  TBoxWatcher(HWND form, HWND application) : form_(form), application_(application) {
    thread_ = std::thread([this] { Watch(); });
  }
  ~TBoxWatcher() { Seen(); }
  std::vector<TSeenBox> Seen() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return seen_;
  }

 private:
  void Watch() {
    HICON stop = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_HAND));
    while (!stop_) {
      const TMessageBox box = WaitForMessageBox(GetCurrentProcessId(), 100);
      if (!box.hwnd) continue;
      TSeenBox seen;
      seen.caption = box.caption;
      seen.text = box.text;
      seen.stopIcon = box.icon && reinterpret_cast<HICON>(SendMessageW(box.icon, STM_GETICON, 0, 0)) == stop;
      seen.ownedByApplication = GetWindow(box.hwnd, GW_OWNER) == application_;
      seen.formDisabled = !IsWindowEnabled(form_);
      seen_.push_back(seen);
      if (box.ok)
        Press(box.ok);
      else
        PostMessageW(box.hwnd, WM_COMMAND, IDOK, 0);
      // Until it is gone, not to see the same box twice.
      for (int i = 0; i < 250 && IsWindow(box.hwnd); ++i) Sleep(20);
    }
  }

  HWND form_, application_;
  std::atomic<bool> stop_{false};
  std::vector<TSeenBox> seen_;
  std::thread thread_;
};

TEST(ErrorBox, AFailingChangeHandlerShowsOneBoxPerChangeAndGivesTheWindowBack) {
  TLiveForm live;  // no accounts: no mail account is selected
  TForm1& f = live.Start();
  HWND form = live.FormWindow();
  HWND application = GetWindow(form, GW_OWNER);
  SetActiveWindow(form);
  HWND edit = WindowOf(*f.Edit3);
  SetFocus(edit);
  const int end = GetWindowTextLengthW(edit);
  SendMessageW(edit, EM_SETSEL, end, end);

  std::vector<TSeenBox> seen;
  {
    TBoxWatcher watcher(form, application);
    Type(edit, L"ab");
    seen = watcher.Seen();
  }
  ASSERT_EQ(seen.size(), 2u);
  for (const TSeenBox& box : seen) {
    EXPECT_EQ(box.caption, L"Orvik for Quendle");
    EXPECT_EQ(U8(box.text), "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています.");
    EXPECT_TRUE(box.stopIcon);
    EXPECT_TRUE(box.ownedByApplication);
    EXPECT_TRUE(box.formDisabled);
  }
  // The field keeps what was typed; the lists are untouched.
  EXPECT_EQ(f.Edit3->Text(),
            "Pop3 Mail Server"
            "ab");
  EXPECT_EQ(Pop3Servers.Count(), 0);
  EXPECT_TRUE(IsWindowEnabled(form));
  EXPECT_TRUE(IsWindowEnabled(application));
  EXPECT_EQ(GetActiveWindow(), form);
}

TEST(ErrorBox, AnErrorInTheCreationHandlerComesBeforeTheWindowIsShown) {
  TLiveForm live;
  live.store.PutDword("Software\\Quimbry\\Orvik", "FormTop", 5);
  live.store.PutString("Software\\Quimbry\\Orvik", "FormLeft", "ab");
  std::atomic<bool> shownDuringBox{true};
  std::vector<std::wstring> texts;
  std::thread watcher([&] {
    const TMessageBox box = WaitForMessageBox(GetCurrentProcessId(), 20000);
    if (!box.hwnd) return;
    texts.push_back(box.text);
    HWND form = FindWindowW(L"TForm1", nullptr);
    shownDuringBox = form && IsWindowVisible(form);
    Press(box.ok);
  });
  TForm1& f = live.Start();
  watcher.join();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(U8(texts[0]), "'FormLeft' のﾃﾞｰﾀ型が不正です.");
  EXPECT_FALSE(shownDuringBox);
  EXPECT_TRUE(IsWindowVisible(live.FormWindow()));
  EXPECT_EQ(f.Top(), 5);
  EXPECT_EQ(f.Left(), 28);
  EXPECT_EQ(f.StatusBar1->SimpleText(), "Status");
}

}  // namespace
