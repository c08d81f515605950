// Decodes its input into a registry left by other programs and a sequence
// of user actions, runs them headless, and aborts when the program breaks a
// promise: a key left open, a key deleted or created outside its own key, a
// value written that it never writes, lists out of step after a load, or
// "O.K." writing other servers than the lists hold.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "ApplySettings.h"
#include "Harness.h"

namespace {

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

const char* const kTexts[] = {"",         "pop.example.jp",    "relay:8000",       ":",    "a:b:c",
                              "\x81\x46", "Proxy Server:PORT", "\x89\xEF\x8E\xD0", "ACC1", "acc1",
                              "Entry"};

std::vector<std::uint8_t> Data(FuzzedDataProvider& in) {
  if (in.ConsumeBool()) {
    const std::string s = kTexts[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kTexts) - 1)];
    std::vector<std::uint8_t> d(s.begin(), s.end());
    if (in.ConsumeBool()) d.push_back(0);
    return d;
  }
  return in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange<std::size_t>(0, 12));
}

std::uint32_t Type(FuzzedDataProvider& in) {
  static const std::uint32_t kTypes[] = {reg::kSz,     reg::kSz,    reg::kSz,      reg::kExpandSz,
                                         reg::kBinary, reg::kDword, reg::kMultiSz, reg::kNone};
  return kTypes[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kTypes) - 1)];
}

std::string Id(FuzzedDataProvider& in) {
  return "ACC" + std::to_string(in.ConsumeIntegralInRange<int>(0, 9));
}

void MaybePut(FuzzedDataProvider& in, reg::TMemoryStore& s, const std::string& path, const char* name) {
  if (in.ConsumeBool()) s.Put(path, name, Type(in), Data(in));
}

void BuildRegistry(FuzzedDataProvider& in, reg::TMemoryStore& s) {
  const int accounts = in.ConsumeIntegralInRange<int>(0, 8);
  s.PutKey(paths::Accounts);
  for (int i = 0; i < accounts; ++i) {
    const std::string key = paths::Accounts + "\\" + Id(in);
    s.PutKey(key);
    for (const char* name : {"Account Name", "POP3 Server", "SMTP Server", "NNTP Server"})
      MaybePut(in, s, key, name);
  }
  if (in.ConsumeBool()) s.PutString(paths::Iam, "Default Mail Account", Id(in));
  if (in.ConsumeBool()) s.PutString(paths::Iam, "Default News Account", Id(in));
  if (in.ConsumeBool()) {
    s.PutKey(paths::RemoteAccess);
    MaybePut(in, s, paths::RemoteAccess, "InternetProfile");
    if (in.ConsumeBool()) {
      s.PutKey(paths::Profile);
      const int entries = in.ConsumeIntegralInRange<int>(0, 3);
      for (int i = 0; i < entries; ++i) s.PutKey(paths::Profile + "\\Entry" + std::to_string(i));
    }
  }
  if (in.ConsumeBool()) {
    s.PutKey(paths::Internet);
    for (const char* name : {"EnableAutodial", "ProxyEnable", "ProxyServer"})
      MaybePut(in, s, paths::Internet, name);
  }
  if (in.ConsumeBool()) {
    s.PutKey(paths::Own);
    if (in.ConsumeBool())
      s.PutDword(paths::Own, "ConnectionType", in.ConsumeIntegralInRange<std::uint32_t>(0, 4));
    for (const char* name : {"ConnectionType", "ProxyServer", "FormTop"}) MaybePut(in, s, paths::Own, name);
    const int copies = in.ConsumeIntegralInRange<int>(0, 6);
    for (int i = 0; i < copies; ++i) {
      const std::string key = paths::OwnAccounts + "\\" + Id(in);
      s.PutKey(key);
      for (const char* name : {"POP3 Server", "SMTP Server", "NNTP Server"}) MaybePut(in, s, key, name);
    }
    for (const char* name : {"ProxyEnable", "ProxyServer"}) MaybePut(in, s, paths::OwnInternet, name);
  }
}

bool Written(const std::string& path, const std::string& name) {
  if (path.rfind("Software\\Quimbry\\Orvik", 0) == 0) return true;
  if (path == paths::Internet)
    return name == "EnableAutodial" || name == "ProxyEnable" || name == "ProxyServer";
  if (path == paths::RemoteAccess) return name == "Default" || name == "InternetProfile";
  if (path.rfind(paths::Accounts + "\\", 0) == 0)
    return name == "POP3 Server" || name == "SMTP Server" || name == "NNTP Server" ||
           name == "Connection Type" || name == "Connectoid";
  return false;
}

std::string Text(const reg::TValue* v) {
  if (!v) return "<absent>";
  std::string s(v->data.begin(), v->data.end());
  if (!s.empty() && s.back() == '\0') s.pop_back();
  return s;
}

void CheckListsInStep(TForm1& f) {
  Check(f.ComboBox3->Items().Count() == MailAccountCount && Pop3Servers.Count() == MailAccountCount &&
            SmtpServers.Count() == MailAccountCount && f.ComboBox1->Items().Count() == MailAccountCount,
        "mail lists in step");
  Check(f.ComboBox4->Items().Count() == NewsAccountCount && NntpServers.Count() == NewsAccountCount &&
            f.ComboBox2->Items().Count() == NewsAccountCount,
        "news lists in step");
}

void CheckApplied(const THarness& h, TForm1& f) {
  for (int i = 0; i < MailAccountCount; ++i) {
    const std::string id = f.ComboBox3->Items()[i];
    Check(Text(h.store.Find(paths::OwnAccounts + "\\" + id, "POP3 Server")) == Pop3Servers[i],
          "copy of POP3");
    if (!h.store.HasKey(paths::Accounts + "\\" + id)) continue;
    const std::string want = ConnectionMode == 3 ? ProxyHost(f.Edit1->Text()) : Pop3Servers[i];
    Check(Text(h.store.Find(paths::Accounts + "\\" + id, "POP3 Server")) == want, "account POP3");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  THarness h;
  BuildRegistry(in, h.store);
  const auto keysBefore = h.store.KeyPaths();
  const auto valuesBefore = h.store.Snapshot();
  TForm1* f = &h.Start();
  bool loaded = h.Reports().empty();
  const int actions = in.ConsumeIntegralInRange<int>(0, 30);
  for (int a = 0; a < actions && !h.App().Terminated(); ++a) {
    const std::size_t reports = h.Reports().size();
    TEdit* edits[] = {f->Edit1, f->Edit2, f->Edit3, f->Edit4, f->Edit5};
    TRadioButton* radios[] = {f->RadioButton1, f->RadioButton2, f->RadioButton3};
    switch (in.ConsumeIntegralInRange<int>(0, 9)) {
      case 0: f->ComboBox1->UserSelect(in.ConsumeIntegralInRange<int>(-1, 9)); break;
      case 1: f->ComboBox2->UserSelect(in.ConsumeIntegralInRange<int>(-1, 9)); break;
      case 2:
        edits[in.ConsumeIntegralInRange<int>(0, 4)]->UserEdit(
            kTexts[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kTexts) - 1)]);
        break;
      case 3: radios[in.ConsumeIntegralInRange<int>(0, 2)]->UserClick(); break;
      case 4: f->Edit1->UserClick(); break;
      case 5: f->ListBox1->UserSelect(in.ConsumeIntegralInRange<int>(-1, 3)); break;
      case 6: f->CheckBox1->UserToggle(in.ConsumeBool()); break;
      case 7:
        f->Button3->UserClick();
        loaded = h.Reports().size() == reports;
        break;
      case 8:
        f->Button1->UserClick();
        if (h.App().Terminated()) CheckApplied(h, *f);
        break;
      default:
        f = &h.Start();  // the program started again
        loaded = h.Reports().size() == reports;
        break;
    }
    Check(h.store.OpenKeyCount() == 0, "a key left open");
    if (loaded) CheckListsInStep(*f);
  }
  for (const auto& k : keysBefore) Check(h.store.HasKey(k), "a key deleted");
  for (const auto& k : h.store.KeyPaths())
    Check(keysBefore.count(k) || k.rfind("Software", 0) == 0, "a key created outside the own key");
  const auto after = h.store.Snapshot();
  for (const auto& [key, value] : valuesBefore) Check(after.count(key) == 1, "a value deleted");
  for (const auto& [key, value] : after) {
    const auto bar = key.find('|');
    const auto before = valuesBefore.find(key);
    const bool changed = before == valuesBefore.end() || before->second.type != value.type ||
                         before->second.data != value.data;
    if (changed) Check(Written(key.substr(0, bar), key.substr(bar + 1)), "a value the program never writes");
  }
  return 0;
}
