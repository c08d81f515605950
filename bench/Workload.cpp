#include "Workload.h"

#include <string>

TWorkload PutWorkload(reg::TMemoryStore& s, int accounts, int dialups) {
  TWorkload w{accounts, dialups};
  s.PutString(paths::Iam, "Default Mail Account", "ACC00000001");
  s.PutString(paths::Iam, "Default News Account", "ACC00000002");
  for (int i = 0; i < accounts; ++i) {
    char id[16];
    std::snprintf(id, sizeof id, "ACC%08d", i);
    const std::string key = paths::Accounts + "\\" + id;
    const int kind = i % 3;  // mail, news, both
    s.PutString(key, "Account Name", "Account " + std::to_string(i));
    if (kind != 1) {
      s.PutString(key, "POP3 Server", "pop" + std::to_string(i) + ".example.jp");
      s.PutString(key, "SMTP Server", "smtp" + std::to_string(i) + ".example.jp");
      ++w.mail;
    }
    if (kind != 0) {
      s.PutString(key, "NNTP Server", "news" + std::to_string(i) + ".example.jp");
      ++w.news;
    }
  }
  s.PutKey(paths::Accounts);
  s.PutKey(paths::Profile);
  for (int i = 0; i < dialups; ++i) s.PutKey(paths::Profile + "\\Entry " + std::to_string(dialups - i));
  s.PutString(paths::RemoteAccess, "InternetProfile", "Entry 1");
  s.PutBinary(paths::Internet, "EnableAutodial", {0, 0, 0, 0});
  s.PutBinary(paths::Internet, "ProxyEnable", {1, 0, 0, 0});
  s.PutString(paths::Internet, "ProxyServer", "proxy.example.jp:8080");
  s.PutDword(paths::Own, "ConnectionType", 0);
  s.PutString(paths::Own, "ProxyServer", "relay.local:8000");
  return w;
}

TCalls Measured(const reg::TMemoryStore& s) {
  TCalls c;
  c.opens = s.Count(reg::TOp::Open) + s.Count(reg::TOp::Create);
  c.reads = s.Count(reg::TOp::Query);
  c.writes = s.Count(reg::TOp::Set);
  c.enums = s.Count(reg::TOp::QueryInfo) + s.Count(reg::TOp::Enum);
  c.closes = s.Count(reg::TOp::Close);
  return c;
}

TCalls RequiredForLoad(const TWorkload& w) {
  const auto n = static_cast<std::uint64_t>(w.accounts);
  TCalls c;
  // RemoteAccess, account manager, accounts, each account, profiles, browser
  // (mode), own key (mode), own key (proxy address), browser (proxy switch).
  c.opens = 8 + n;
  c.closes = c.opens;
  // InternetProfile, two defaults; each account's POP3 and NNTP, a mail
  // account's SMTP and name, a news account's name; autodial, mode, the
  // two proxy addresses and the proxy switch.
  c.reads = 3 + 2 * n + 2 * static_cast<std::uint64_t>(w.mail) + static_cast<std::uint64_t>(w.news) + 5;
  // A count and one call a subkey, for accounts and dial-up entries.
  c.enums = 2 + n + static_cast<std::uint64_t>(w.dialups);
  return c;
}

TCalls RequiredForApply(const TWorkload& w) {
  const auto mail = static_cast<std::uint64_t>(w.mail), news = static_cast<std::uint64_t>(w.news);
  TCalls c;
  // Browser, each account (a both-account twice), Remote Access, own key,
  // its Internet Settings, each copy; then the placement at close.
  c.opens = 4 + 2 * (mail + news) + 1;
  c.closes = c.opens;
  // Browser 3; mail 4 and news 3; Remote Access 2; own 2; own browser copy 2;
  // copies mail 2 and news 1; placement 4.
  c.writes = 3 + 4 * mail + 3 * news + 2 + 2 + 2 + 2 * mail + news + 4;
  return c;
}
