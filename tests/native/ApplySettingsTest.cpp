// "O.K.": the values written in each mode, in which order writing stops,
// and that nothing outside the program's keys is created or deleted.

#include <gtest/gtest.h>

#include <map>

#include "ApplySettings.h"
#include "Config.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Sz(const std::string& s) {
  Bytes b(s.begin(), s.end());
  b.push_back(0);
  return b;
}
Bytes Dw(std::uint32_t v) { return {static_cast<std::uint8_t>(v), 0, 0, 0}; }

struct Want {
  std::string path, name;
  std::uint32_t type;
  Bytes data;
};

// What every mode writes to Remote Access, the own key and the copies.
std::vector<Want> CommonWrites(std::uint32_t mode) {
  const std::string c = paths::OwnAccounts + "\\";
  return {
      {paths::RemoteAccess, "Default", reg::kSz, Sz("Tokyo ISP")},
      {paths::RemoteAccess, "InternetProfile", reg::kSz, Sz("Tokyo ISP")},
      {paths::Own, "ConnectionType", reg::kDword, Dw(mode)},
      {paths::Own, "ProxyServer", reg::kSz, Sz("relay.local:8000")},
      {paths::OwnInternet, "ProxyEnable", reg::kBinary, Dw(1)},
      {paths::OwnInternet, "ProxyServer", reg::kSz, Sz("corp-proxy:8080")},
      {c + "00000001", "POP3 Server", reg::kSz, Sz("pop.work.example")},
      {c + "00000001", "SMTP Server", reg::kSz, Sz("smtp.work.example")},
      {c + "00000003", "POP3 Server", reg::kSz, Sz("pop.home.example")},
      {c + "00000003", "SMTP Server", reg::kSz, Sz("smtp.home.example")},
      {c + "00000003", "NNTP Server", reg::kSz, Sz("news.home.example")},
      {c + "00000005", "POP3 Server", reg::kSz, Sz("pop2.example")},
      {c + "00000005", "SMTP Server", reg::kSz, Sz("")},
      {c + "00000002", "NNTP Server", reg::kSz, Sz("news.example")},
  };
}

std::vector<Want> ProxyWrites() {
  const std::string a = paths::Accounts + "\\";
  const Bytes host = Sz("relay.local");
  auto w = CommonWrites(3);
  w.insert(w.end(), {
                        {paths::Internet, "EnableAutodial", reg::kBinary, Dw(0)},
                        {paths::Internet, "ProxyEnable", reg::kBinary, Dw(1)},
                        {paths::Internet, "ProxyServer", reg::kSz, Sz("relay.local:8000")},
                        {a + "00000001", "POP3 Server", reg::kSz, host},
                        {a + "00000001", "SMTP Server", reg::kSz, host},
                        {a + "00000001", "Connection Type", reg::kDword, Dw(0)},
                        {a + "00000003", "NNTP Server", reg::kSz, host},
                        {a + "00000005", "SMTP Server", reg::kSz, host},
                        {a + "00000002", "NNTP Server", reg::kSz, host},
                        {a + "00000002", "Connection Type", reg::kDword, Dw(0)},
                    });
  return w;
}

std::vector<Want> OwnServerWrites(std::uint32_t mode, const Bytes* autodial) {
  const std::string a = paths::Accounts + "\\";
  auto w = CommonWrites(mode);
  if (autodial) w.push_back({paths::Internet, "EnableAutodial", reg::kBinary, *autodial});
  w.insert(w.end(), {
                        {paths::Internet, "ProxyEnable", reg::kBinary, Dw(1)},
                        {paths::Internet, "ProxyServer", reg::kSz, Sz("corp-proxy:8080")},
                        {a + "00000001", "POP3 Server", reg::kSz, Sz("pop.work.example")},
                        {a + "00000001", "Connection Type", reg::kDword, Dw(mode)},
                        {a + "00000001", "Connectoid", reg::kSz, Sz("Tokyo ISP")},
                        {a + "00000003", "NNTP Server", reg::kSz, Sz("news.home.example")},
                        {a + "00000003", "Connection Type", reg::kDword, Dw(mode)},
                        {a + "00000002", "Connectoid", reg::kSz, Sz("Tokyo ISP")},
                        {a + "00000005", "SMTP Server", reg::kSz, Sz("")},
                    });
  return w;
}

struct ApplyTest : ::testing::Test {
  THarness h;
  TForm1* f = nullptr;
  void SetUp() override {
    PutLanUser(h.store);
    f = &h.Start();
    ASSERT_TRUE(h.Reports().empty());
  }
  void Press() { f->Button1->UserClick(); }
};

TEST_F(ApplyTest, EachModeWritesItsValuesExactly) {
  const Bytes off = Dw(0), on = Dw(1);
  const struct {
    std::int32_t mode;
    std::vector<Want> want;
  } cases[] = {
      {3, ProxyWrites()},
      {0, OwnServerWrites(0, &off)},
      {2, OwnServerWrites(2, &on)},
      {1, OwnServerWrites(1, nullptr)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    THarness run;
    PutLanUser(run.store);
    run.store.PutBinary(paths::Internet, "EnableAutodial", {0, 9, 9, 9});
    TForm1& form = run.Start();
    form.Edit1->SetText("relay.local:8000");  // as the own key holds it
    ConnectionMode = c.mode;
    form.Button1->UserClick();
    EXPECT_TRUE(run.Reports().empty());
    for (const auto& w : c.want) {
      SCOPED_TRACE(w.path + " | " + w.name);
      const reg::TValue* v = run.store.Find(w.path, w.name);
      ASSERT_NE(v, nullptr);
      EXPECT_EQ(v->type, w.type);
      EXPECT_EQ(v->data, w.data);
    }
    if (c.mode == 1) EXPECT_EQ(run.store.Find(paths::Internet, "EnableAutodial")->data, (Bytes{0, 9, 9, 9}));
    if (c.mode == 3) {
      EXPECT_EQ(run.store.Find(paths::Accounts + "\\00000001", "Connectoid"), nullptr);
      EXPECT_EQ(form.StatusBar1->SimpleText(), "relay.local");
    }
    // The account that is neither mail nor news is left alone.
    EXPECT_EQ(run.store.Find(paths::Accounts + "\\00000004", "Connection Type"), nullptr);
    EXPECT_TRUE(run.App().Terminated());  // the window closed
    EXPECT_TRUE(run.store.Find(paths::Own, "FormTop"));
    EXPECT_EQ(run.store.OpenKeyCount(), 0u);
  }
}

TEST_F(ApplyTest, ProxySwitchKeepsItsOtherBytesAndFollowsTheCheckBox) {
  h.store.PutBinary(paths::Internet, "ProxyEnable", {1, 5, 6, 7});
  f->Button3->UserClick();
  f->CheckBox1->SetChecked(false);
  f->RadioButton1->UserClick();
  Press();
  EXPECT_EQ(h.store.Find(paths::Internet, "ProxyEnable")->data, (Bytes{1, 5, 6, 7}));
  EXPECT_EQ(h.store.Find(paths::OwnInternet, "ProxyEnable")->data, (Bytes{0, 5, 6, 7}));
}

TEST(ProxyHost, IsTheTextBeforeTheFirstColon) {
  const std::pair<std::string, std::string> cases[] = {
      {"Proxy Server:PORT", "Proxy Server"},
      {"a:b:c", "a"},
      {":8080", ""},
      {"", ""},
      {"hostonly", "hostonly"},
      {"host\x81\x46port", "host\x81\x46port"},  // the full-width colon does not separate
  };
  for (const auto& [text, host] : cases) EXPECT_EQ(ProxyHost(text), host) << text;
}

TEST(ApplyFaults, ARefusedWriteStopsThereAndASecondPressCompletes) {
  // The same end state as an apply without faults.
  THarness clean;
  PutLanUser(clean.store);
  clean.Start().RadioButton1->UserClick();
  Form1->Button1->UserClick();
  const auto expected = clean.store.Snapshot();

  THarness h;
  PutLanUser(h.store);
  TForm1* f = &h.Start();
  f->RadioButton1->UserClick();
  auto Press = [f] { f->Button1->UserClick(); };
  h.store.RefuseWrite(paths::Accounts + "\\00000003", "SMTP Server");
  Press();
  ASSERT_EQ(h.Reports().size(), 1u);
  EXPECT_EQ(h.Reports()[0], Report(Msg::RegSetDataFailed, "SMTP Server"));
  EXPECT_FALSE(h.App().Terminated());
  EXPECT_EQ(StringAt(h.store, paths::Accounts + "\\00000003", "POP3 Server"), "relay.local");
  EXPECT_EQ(StringAt(h.store, paths::Accounts + "\\00000003", "SMTP Server"), "smtp.home.example");
  EXPECT_EQ(StringAt(h.store, paths::Accounts + "\\00000005", "POP3 Server"), "pop2.example");
  EXPECT_EQ(h.store.Find(paths::Own, "ConnectionType")->data, Dw(0));
  EXPECT_EQ(h.store.OpenKeyCount(), 0u);

  h.store.ClearFaults();
  Press();
  EXPECT_TRUE(h.App().Terminated());
  const auto after = h.store.Snapshot();
  ASSERT_EQ(after.size(), expected.size());
  for (const auto& [key, value] : expected) {
    ASSERT_TRUE(after.count(key)) << key;
    EXPECT_EQ(after.at(key).data, value.data) << key;
  }
}

TEST_F(ApplyTest, NoDialupEntrySelectedWritesNothingAtAll) {
  f->ListBox1->SetItemIndex(-1);
  f->RadioButton1->UserClick();
  const auto before = h.store.Snapshot();
  h.store.ClearLog();
  Press();
  ASSERT_EQ(h.Reports().size(), 1u);
  EXPECT_EQ(h.Reports()[0], Report(Msg::ListIndexError));
  EXPECT_EQ(h.store.Count(reg::TOp::Set) + h.store.Count(reg::TOp::Create), 0u);
  EXPECT_EQ(h.store.Snapshot().size(), before.size());
  EXPECT_FALSE(h.App().Terminated());
  f->ListBox1->UserSelect(0);
  Press();
  EXPECT_TRUE(h.App().Terminated());
  EXPECT_EQ(StringAt(h.store, paths::RemoteAccess, "Default"), "Backup line");
}

TEST_F(ApplyTest, MissingKeysAreSkippedWithoutAMessage) {
  h.store.DeleteKey(paths::RemoteAccess);
  h.store.DeleteKey(paths::Internet);
  h.store.DeleteKey(paths::Accounts + "\\00000001");  // deleted by its client meanwhile
  f->ListBox1->SetItemIndex(-1);
  f->RadioButton1->UserClick();
  Press();
  EXPECT_TRUE(h.Reports().empty());
  EXPECT_FALSE(h.store.HasKey(paths::Internet));
  EXPECT_FALSE(h.store.HasKey(paths::RemoteAccess));
  EXPECT_FALSE(h.store.HasKey(paths::Accounts + "\\00000001"));
  EXPECT_EQ(StringAt(h.store, paths::OwnAccounts + "\\00000001", "POP3 Server"), "pop.work.example");
  EXPECT_EQ(f->StatusBar1->SimpleText(), "relay.local");
  EXPECT_EQ(StringAt(h.store, paths::Accounts + "\\00000003", "NNTP Server"), "relay.local");
}

TEST_F(ApplyTest, DialupKeepsTheOldEntryAsConnectoidAndTheNewOneAsDefault) {
  f->ListBox1->UserSelect(0);  // "Backup line"; this also picks dial-up
  EXPECT_EQ(ConnectionMode, 2);
  Press();
  EXPECT_EQ(StringAt(h.store, paths::RemoteAccess, "InternetProfile"), "Backup line");
  EXPECT_EQ(StringAt(h.store, paths::Accounts + "\\00000001", "Connectoid"), "Tokyo ISP");
}

TEST_F(ApplyTest, TouchesOnlyItsOwnKeysAndCreatesOnlyBelowTheOwnKey) {
  h.store.DeleteKey(paths::Own);
  const auto keysBefore = h.store.KeyPaths();
  for (std::int32_t mode : {3, 0}) {
    f = &h.Start();
    ConnectionMode = mode;
    h.store.ClearLog();
    Press();
    const std::string allowed[] = {"RemoteAccess", paths::Internet, paths::Accounts + "\\", paths::Own};
    for (const auto& op : h.store.Log()) {
      if (op.op != reg::TOp::Set && op.op != reg::TOp::Create) continue;
      bool ok = false;
      for (const auto& a : allowed) ok = ok || op.path.rfind(a, 0) == 0;
      EXPECT_TRUE(ok) << op.path << " | " << op.name;
      if (op.op == reg::TOp::Create) EXPECT_EQ(op.path.rfind(paths::Own, 0), 0u) << op.path;
    }
  }
  for (const auto& k : keysBefore) EXPECT_TRUE(h.store.HasKey(k)) << k;
}

TEST(ApplyGuard, OKWritesNothingUntilALoadHasCompleted) {
  THarness h;
  PutLanUser(h.store);
  h.store.PutString(paths::Own, "FormTop", "ab");  // FormCreate stops before the load
  TForm1& f = h.Start();
  ASSERT_EQ(h.Reports().size(), 1u);
  const auto before = h.store.Snapshot();
  f.RadioButton1->UserClick();
  f.Button1->UserClick();
  EXPECT_EQ(h.Reports().size(), 2u);
  EXPECT_FALSE(h.App().Terminated());
  EXPECT_EQ(StringAt(h.store, paths::Internet, "ProxyServer"), "corp-proxy:8080");
  EXPECT_EQ(h.store.Snapshot().size(), before.size());
  f.Button3->UserClick();  // ReLoad, then "O.K." goes ahead
  f.Button1->UserClick();
  EXPECT_TRUE(h.App().Terminated());
}

}  // namespace
