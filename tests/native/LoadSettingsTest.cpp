// The load: what it puts into the window and the working state, in which
// order, and where each failure ends it.

#include <gtest/gtest.h>

#include "Config.h"

namespace {

using Items = std::vector<AnsiString>;

struct LoadTest : ::testing::Test {
  THarness h;
  TForm1& Start() { return h.Start(); }
};

TEST_F(LoadTest, LanUserFillsTheWindowFromTheBrowserAndTheAccounts) {
  PutLanUser(h.store);
  TForm1& f = Start();
  EXPECT_TRUE(h.Reports().empty());
  EXPECT_EQ(f.ComboBox5->Items().Items(),
            (Items{"00000001", "00000002", "00000003", "00000004", "00000005"}));
  EXPECT_EQ(f.ComboBox1->Items().Items(), (Items{"Work mail", "Home", "Work mail"}));
  EXPECT_EQ(f.ComboBox3->Items().Items(), (Items{"00000001", "00000003", "00000005"}));
  EXPECT_EQ(Pop3Servers.Items(), (Items{"pop.work.example", "pop.home.example", "pop2.example"}));
  EXPECT_EQ(SmtpServers.Items(), (Items{"smtp.work.example", "smtp.home.example", ""}));
  EXPECT_EQ(f.ComboBox2->Items().Items(), (Items{"Newsfeed", "Home"}));
  EXPECT_EQ(f.ComboBox4->Items().Items(), (Items{"00000002", "00000003"}));
  EXPECT_EQ(NntpServers.Items(), (Items{"news.example", "news.home.example"}));
  EXPECT_EQ(MailAccountCount, 3);
  EXPECT_EQ(NewsAccountCount, 2);
  EXPECT_EQ(f.ComboBox1->ItemIndex(), 1);
  EXPECT_EQ(f.Edit3->Text(), "pop.home.example");
  EXPECT_EQ(f.Edit4->Text(), "smtp.home.example");
  EXPECT_EQ(f.ComboBox2->ItemIndex(), 0);
  EXPECT_EQ(f.Edit5->Text(), "news.example");
  EXPECT_EQ(f.ListBox1->Items().Items(), (Items{"Backup line", "Tokyo ISP"}));
  EXPECT_EQ(f.ListBox1->ItemIndex(), 1);
  EXPECT_EQ(ConnectionMode, 0);
  EXPECT_TRUE(f.RadioButton2->Checked());
  EXPECT_FALSE(f.RadioButton1->Checked() || f.RadioButton3->Checked());
  EXPECT_EQ(f.Edit1->Text(), "relay.local:8000");
  EXPECT_TRUE(f.CheckBox1->Checked());
  EXPECT_EQ(f.Edit2->Text(), "corp-proxy:8080");
  EXPECT_EQ(InternetProfileName, "Tokyo ISP");
  EXPECT_TRUE(SettingsLoaded);
  EXPECT_EQ(h.store.OpenKeyCount(), 0u);
}

TEST_F(LoadTest, AutodialOnMeansDialupWithoutReadingTheStoredMode) {
  PutLanUser(h.store);
  h.store.PutBinary(paths::Internet, "EnableAutodial", {1});  // a single byte counts the same
  h.store.PutString(paths::Own, "ConnectionType", "x");       // would fail if it were read
  TForm1& f = Start();
  EXPECT_TRUE(h.Reports().empty());
  EXPECT_EQ(ConnectionMode, 2);
  EXPECT_TRUE(f.RadioButton3->Checked());
}

TEST_F(LoadTest, ProxyModeTakesServersAndBrowserProxyFromTheCopies) {
  const std::vector<TAccount> proxied{{"00000001", "Work mail", "relay", "relay", ""},
                                      {"00000002", "Newsfeed", "", "", "relay"}};
  PutAccounts(h.store, proxied, "00000001", "00000002");
  PutCopies(h.store, {{"00000001", "", "pop.work.example", "smtp.work.example", ""},
                      {"00000002", "", "", "", "news.example"}});
  PutBrowser(h.store, false, true, "relay:8000");
  h.store.PutDword(paths::Own, "ConnectionType", 3);
  h.store.PutString(paths::Own, "ProxyServer", "stale:1");
  h.store.PutBinary(paths::OwnInternet, "ProxyEnable", {0, 7, 7, 7});
  h.store.PutString(paths::OwnInternet, "ProxyServer", "corp-proxy:8080");
  TForm1& f = Start();
  EXPECT_TRUE(h.Reports().empty());
  EXPECT_TRUE(f.RadioButton1->Checked());
  EXPECT_EQ(f.Edit1->Text(), "relay:8000");
  EXPECT_FALSE(f.CheckBox1->Checked());
  EXPECT_EQ(ProxyEnableFlag[1], 7);  // carried over to the next apply
  EXPECT_EQ(f.Edit2->Text(), "corp-proxy:8080");
  EXPECT_EQ(f.ComboBox1->Items().Items(), Items{"Work mail"});
  EXPECT_EQ(Pop3Servers.Items(), Items{"pop.work.example"});
  EXPECT_EQ(f.Edit3->Text(), "pop.work.example");
  EXPECT_EQ(f.Edit4->Text(), "smtp.work.example");
  EXPECT_EQ(f.Edit5->Text(), "news.example");
  EXPECT_EQ(f.ComboBox5->Items().Items(), (Items{"00000001", "00000002"}));
}

TEST_F(LoadTest, FirstStartWithoutOwnKeyCreatesItAndChecksNoMode) {
  PutBrowser(h.store, false, false, "corp-proxy:8080");
  TForm1& f = Start();
  EXPECT_TRUE(h.Reports().empty());
  EXPECT_TRUE(h.store.HasKey(paths::Own));
  EXPECT_EQ(ConnectionMode, 0);
  EXPECT_FALSE(f.RadioButton1->Checked() || f.RadioButton2->Checked() || f.RadioButton3->Checked());
  EXPECT_EQ(f.Edit1->Text(), "");
  EXPECT_EQ(f.Edit2->Text(), "corp-proxy:8080");
  // No accounts: lists empty, the server fields keep their initial texts.
  EXPECT_EQ(f.Edit3->Text(), "Pop3 Mail Server");
  EXPECT_EQ(f.ComboBox1->Items().Count() + f.ComboBox5->Items().Count(), 0);
}

TEST_F(LoadTest, OwnKeyWithOnlyThePlacementIsNoError) {
  // A run that ended without "O.K." leaves the own key without a mode.
  PutLanUser(h.store);
  h.store.DeleteKey(paths::Own);
  h.store.PutDword(paths::Own, "FormTop", 10);
  TForm1& f = Start();
  EXPECT_TRUE(h.Reports().empty());
  EXPECT_EQ(ConnectionMode, 0);
  EXPECT_FALSE(f.RadioButton2->Checked());
  EXPECT_EQ(f.Edit2->Text(), "corp-proxy:8080");
  EXPECT_TRUE(SettingsLoaded);
}

struct FailureCase {
  const char* what;
  void (*setup)(reg::TMemoryStore&);
  const char* pattern;
  const char* value;
  // What the load filled before it stopped.
  bool modeChecked, edit2Loaded;
};

const FailureCase kFailures[] = {
    {"mode stored as short text",
     [](reg::TMemoryStore& s) { s.PutString(paths::Own, "ConnectionType", "ab"); }, Msg::InvalidRegType,
     "ConnectionType", false, false},
    {"mode stored as 8 bytes",
     [](reg::TMemoryStore& s) { s.PutBinary(paths::Own, "ConnectionType", std::vector<std::uint8_t>(8)); },
     Msg::RegGetDataFailed, "ConnectionType", false, false},
    {"autodial as integer", [](reg::TMemoryStore& s) { s.PutDword(paths::Internet, "EnableAutodial", 1); },
     Msg::InvalidRegType, "EnableAutodial", false, false},
    {"proxy switch of 5 bytes",
     [](reg::TMemoryStore& s) {
       s.PutBinary(paths::Internet, "ProxyEnable", {1, 0, 0, 0, 0});
     },
     Msg::InvalidRegType, "ProxyEnable", true, false},
    {"account name as integer",
     [](reg::TMemoryStore& s) { s.PutDword(paths::Accounts + "\\00000003", "Account Name", 1); },
     Msg::InvalidRegType, "Account Name", false, false},
};

TEST_F(LoadTest, EachFailureEndsTheLoadAtItsStep) {
  for (const auto& c : kFailures) {
    SCOPED_TRACE(c.what);
    THarness fresh;
    PutLanUser(fresh.store);
    c.setup(fresh.store);
    TForm1& f = fresh.Start();
    ASSERT_EQ(fresh.Reports().size(), 1u);
    EXPECT_EQ(fresh.Reports()[0], Report(c.pattern, c.value));
    EXPECT_EQ(f.RadioButton2->Checked(), c.modeChecked);
    EXPECT_EQ(f.Edit2->Text(), c.edit2Loaded ? "corp-proxy:8080" : "Proxy Server:PORT");
    EXPECT_FALSE(SettingsLoaded);
    EXPECT_EQ(fresh.store.OpenKeyCount(), 0u);  // the accessor was released
  }
}

TEST_F(LoadTest, ProxyModeNamesPairWithTheCopiesWhenAccountsChanged) {
  // Since the copies were saved, "X" was added before "B" and "C" was
  // removed. Each name must stand beside its own servers.
  PutAccounts(h.store,
              {{"A", "Alpha", "relay", "relay", ""},
               {"X", "Added", "pop.x", "smtp.x", ""},
               {"B", "Beta", "relay", "relay", "relay"}},
              "C", "B");
  PutCopies(h.store, {{"A", "", "pop.a", "smtp.a", ""},
                      {"B", "", "pop.b", "smtp.b", "news.b"},
                      {"C", "", "pop.c", "smtp.c", ""}});
  PutBrowser(h.store, false, true, "relay:8000");
  h.store.PutDword(paths::Own, "ConnectionType", 3);
  TForm1& f = Start();
  EXPECT_TRUE(h.Reports().empty());
  EXPECT_EQ(f.ComboBox1->Items().Items(), (Items{"Alpha", "Beta", "C"}));
  EXPECT_EQ(f.ComboBox3->Items().Items(), (Items{"A", "B", "C"}));
  EXPECT_EQ(f.ComboBox1->ItemIndex(), 2);
  EXPECT_EQ(f.Edit3->Text(), "pop.c");
  EXPECT_EQ(f.ComboBox2->Items().Items(), Items{"Beta"});
  EXPECT_EQ(f.Edit5->Text(), "news.b");
  // An edit under "Beta" lands on B's servers.
  f.ComboBox1->UserSelect(1);
  f.Edit4->UserEdit("smtp.b.new");
  EXPECT_EQ(SmtpServers.Items(), (Items{"smtp.a", "smtp.b.new", "smtp.c"}));
}

TEST_F(LoadTest, EdgeCasesOfMatching) {
  PutAccounts(h.store, {{"A", "Same", "p1", "s1", ""}, {"B", "Same", "p2", "s2", ""}}, "b");
  PutDialup(h.store, {"Tokyo ISP"}, "tokyo isp");
  PutBrowser(h.store, false, false, "");
  TForm1& f = Start();
  EXPECT_EQ(f.ComboBox1->Items().Items(), (Items{"Same", "Same"}));
  EXPECT_EQ(f.ComboBox1->ItemIndex(), -1);  // ids compare with letter case
  EXPECT_EQ(f.Edit3->Text(), "Pop3 Mail Server");
  EXPECT_EQ(f.ListBox1->ItemIndex(), -1);
  EXPECT_EQ(f.ListBox1->Items().Count(), 1);
}

TEST_F(LoadTest, ReloadResetsNothingItDoesNotRead) {
  PutLanUser(h.store);
  TForm1& f = Start();
  f.RadioButton1->UserClick();
  h.store.DeleteKey(paths::Profile);
  f.Button3->UserClick();
  EXPECT_TRUE(h.Reports().empty());
  EXPECT_TRUE(f.RadioButton2->Checked());  // the stored mode again, its handler ran
  EXPECT_EQ(ConnectionMode, 0);
  EXPECT_EQ(f.ListBox1->Items().Count(), 2);  // kept with its selection
  EXPECT_EQ(f.ListBox1->ItemIndex(), 1);
}

TEST_F(LoadTest, StoredModeTwoLeavesTheUsersPickChecked) {
  PutLanUser(h.store);
  h.store.PutDword(paths::Own, "ConnectionType", 2);
  TForm1& f = Start();
  EXPECT_EQ(ConnectionMode, 2);
  EXPECT_FALSE(f.RadioButton1->Checked() || f.RadioButton2->Checked() || f.RadioButton3->Checked());
  f.RadioButton1->UserClick();
  f.Button3->UserClick();
  EXPECT_TRUE(f.RadioButton1->Checked());
  EXPECT_EQ(ConnectionMode, 2);
}

}  // namespace
