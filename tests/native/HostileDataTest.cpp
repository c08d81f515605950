// Whatever another program left in the registry: very long texts, texts
// without their terminating zero, huge binaries, many accounts, the longest
// key names.

#include <gtest/gtest.h>

#include "Config.h"

namespace {

std::vector<std::uint8_t> Raw(const std::string& s) { return {s.begin(), s.end()}; }

std::string Long(std::size_t n, char seed) {
  std::string s(n, 'x');
  for (std::size_t i = 0; i < n; ++i)
    s[i] = static_cast<char>('a' + (i * 7 + static_cast<std::size_t>(seed)) % 26);
  return s;
}

TEST(HostileData, LongTextsSurviveLoadAndApplyByteForByte) {
  THarness h;
  PutLanUser(h.store);
  const std::string proxy = Long(1 << 20, 'p');
  const std::string pop3 = Long(1 << 16, 'q');
  h.store.PutString(paths::Internet, "ProxyServer", proxy);
  // 64 KB without a terminating zero: read as all of its data.
  h.store.Put(paths::Accounts + "\\00000003", "POP3 Server", reg::kSz, Raw(pop3));
  TForm1& f = h.Start();
  ASSERT_TRUE(h.Reports().empty());
  EXPECT_EQ(f.Edit2->Text(), proxy);
  EXPECT_EQ(f.Edit3->Text(), pop3);
  f.RadioButton1->UserClick();
  f.Button1->UserClick();  // to proxy mode: the copies keep the long texts
  ASSERT_TRUE(h.Reports().empty());
  TForm1& again = h.Start();
  EXPECT_EQ(again.Edit2->Text(), proxy);
  again.RadioButton2->UserClick();
  again.Button1->UserClick();
  EXPECT_EQ(StringAt(h.store, paths::Internet, "ProxyServer"), proxy);
  EXPECT_EQ(StringAt(h.store, paths::Accounts + "\\00000003", "POP3 Server"), pop3);
}

TEST(HostileData, HugeBinarySwitchIsATypeErrorNotACrash) {
  THarness h;
  PutLanUser(h.store);
  h.store.PutBinary(paths::Internet, "ProxyEnable", std::vector<std::uint8_t>(1 << 20, 1));
  h.store.Put(paths::Internet, "ProxyServer", reg::kMultiSz, Raw(std::string(1 << 20, 'm')));
  h.Start();
  ASSERT_EQ(h.Reports().size(), 1u);
  EXPECT_EQ(h.Reports()[0], Report(Msg::InvalidRegType, "ProxyEnable"));
}

TEST(HostileData, TenThousandAccountsAndTheLongestKeyNames) {
  THarness h;
  PutLanUser(h.store);
  const std::string longest(255, 'K');
  for (int i = 0; i < 10000; ++i) {
    const std::string key = paths::Accounts + "\\" + (i == 0 ? longest : "ACC" + std::to_string(i));
    h.store.PutString(key, "POP3 Server", "pop" + std::to_string(i));
    if (i % 3 == 0) h.store.PutString(key, "NNTP Server", "news" + std::to_string(i));
  }
  h.store.PutString(paths::Iam, "Default Mail Account", longest);
  TForm1& f = h.Start();
  ASSERT_TRUE(h.Reports().empty());
  EXPECT_EQ(MailAccountCount, 10003);
  EXPECT_EQ(f.ComboBox5->Items().Count(), 10005);
  EXPECT_EQ(f.Edit3->Text(), "pop0");
  f.RadioButton1->UserClick();
  f.Button1->UserClick();
  ASSERT_TRUE(h.Reports().empty());
  EXPECT_EQ(StringAt(h.store, paths::OwnAccounts + "\\" + longest, "POP3 Server"), "pop0");
  EXPECT_EQ(StringAt(h.store, paths::Accounts + "\\ACC9999", "POP3 Server"), "relay.local");
  // One character more than a key name may have: the copy cannot be made,
  // and that is skipped like any key that cannot be opened.
  reg::Key key = 0;
  EXPECT_NE(
      h.store.CreateKey(h.store.CurrentUser(), (paths::OwnAccounts + "\\" + longest + "K").c_str(), &key),
      reg::kSuccess);
}

}  // namespace
