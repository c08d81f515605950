#include "Generator.h"

#include <cstdio>
#include <random>

#include "Harness.h"
#include "RegistryStore.h"

namespace {

std::vector<std::uint8_t> Text(const std::string& s, bool zero = true) {
  std::vector<std::uint8_t> b(s.begin(), s.end());
  if (zero) b.push_back(0);
  return b;
}

struct TGen {
  std::mt19937 rng;
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
  bool Chance(int percent) { return Below(100) < percent; }
  std::string Host(const char* kind) {
    static const char* const kDomains[] = {"example.jp", "example.com", "isp.example.net"};
    return std::string(kind) + std::to_string(Below(100)) + "." + kDomains[Below(3)];
  }
  std::string Name() {
    // Some in Shift-JIS: "会社" (company), "自宅" (home), "ﾒｰﾙ" (half-width "mail").
    static const char* const kNames[] = {"Work",         "Home",       "\x89\xEF\x8E\xD0", "\x8E\xA9\x91\xEE",
                                         "\xD2\xB0\xD9", "Provider B", "provider a",       ""};
    return kNames[Below(8)];
  }
};

}  // namespace

TRegistryImage GenerateConfiguration(std::uint32_t seed, bool autodial) {
  TGen g{std::mt19937(seed)};
  TRegistryImage image;
  image.dialup = autodial;
  auto put = [&](const std::string& path, const std::string& name, std::uint32_t type,
                 std::vector<std::uint8_t> data) {
    image.values.push_back({path, name, type, std::move(data)});
  };
  auto putString = [&](const std::string& path, const std::string& name, const std::string& s) {
    // Now and then REG_EXPAND_SZ, which reads the same.
    put(path, name, g.Chance(10) ? reg::kExpandSz : reg::kSz, Text(s));
  };

  // Accounts: mail, news, both or neither; values present, empty or absent.
  const int count = g.Below(51);
  std::vector<std::string> ids;
  image.keys.push_back(paths::Accounts);
  for (int i = 0; i < count; ++i) {
    char id[16];
    std::snprintf(id, sizeof id, "%04X%04X", static_cast<unsigned>(g.Below(0x10000)),
                  static_cast<unsigned>(i));
    const std::string key = paths::Accounts + "\\" + id;
    ids.push_back(id);
    image.keys.push_back(key);
    const int kind = g.Below(4);  // 0 mail, 1 news, 2 both, 3 neither
    if (g.Chance(90)) putString(key, "Account Name", g.Name());
    if (kind == 0 || kind == 2) {
      putString(key, "POP3 Server", g.Host("pop"));
      if (g.Chance(80)) putString(key, "SMTP Server", g.Chance(10) ? "" : g.Host("smtp"));
    } else if (g.Chance(30)) {
      putString(key, "POP3 Server", "");
    }
    if (kind == 1 || kind == 2) putString(key, "NNTP Server", g.Host("news"));
    if (g.Chance(50))
      put(key, "Connection Type", reg::kDword, {static_cast<std::uint8_t>(g.Below(3)), 0, 0, 0});
    if (g.Chance(30)) putString(key, "Connectoid", "Old entry");
    if (g.Chance(20)) put(key, "Other Value", reg::kBinary, {1, 2, 3});
  }
  // Defaults: an account, nothing, or an id that does not exist.
  for (const char* name : {"Default Mail Account", "Default News Account"}) {
    const int pick = g.Below(4);
    if (pick == 0) continue;
    putString(paths::Iam, name,
              pick == 1 || ids.empty()
                  ? "FFFFFFFF"
                  : ids[static_cast<std::size_t>(g.Below(static_cast<int>(ids.size())))]);
  }

  // Dial-up entries or none at all.
  if (autodial || g.Chance(60)) {
    const int entries = 1 + g.Below(3);
    static const char* const kEntries[] = {"Tokyo ISP", "Backup line", "\x8E\xA9\x91\xEE"};
    image.keys.push_back(paths::Profile);
    for (int i = 0; i < entries; ++i) image.keys.push_back(paths::Profile + "\\" + kEntries[i]);
    putString(paths::RemoteAccess, "InternetProfile", g.Chance(80) ? kEntries[g.Below(entries)] : "Gone");
    image.hasDialupEntries = true;
  }

  // The browser: autodial as asked, proxy on, off or absent.
  image.keys.push_back(paths::Internet);
  if (autodial || g.Chance(70))
    put(paths::Internet, "EnableAutodial", reg::kBinary,
        {autodial ? std::uint8_t{1} : std::uint8_t{0}, 0, 0, 0});
  const int proxy = g.Below(3);
  if (proxy < 2)
    put(paths::Internet, "ProxyEnable", reg::kBinary, {static_cast<std::uint8_t>(proxy), 0, 0, 0});
  if (proxy < 2 || g.Chance(50)) putString(paths::Internet, "ProxyServer", g.Host("proxy") + ":8080");
  if (g.Chance(50)) put(paths::Internet, "User Agent", reg::kSz, Text("Mozilla/4.0"));
  return image;
}
