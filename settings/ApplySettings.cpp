#include "ApplySettings.h"

#include "Registry.h"
#include "RegistryLayout.h"
#include "Unit1.h"
#include "WorkingState.h"

namespace {

const std::uint8_t kAutodialOff[4] = {0, 0, 0, 0};
const std::uint8_t kAutodialOn[4] = {1, 0, 0, 0};

void WriteProxyEnable(TRegistry& registry, bool on) {
  ProxyEnableFlag[0] = on ? 1 : 0;
  registry.WriteBinaryData(layout::ProxyEnable, ProxyEnableFlag, sizeof ProxyEnableFlag);
}

// Runs write for account i of ids, i below count, whose key opens (existing
// keys of the mail client, or created copies below the own key).
template <class Write>
void ForEachAccount(TRegistry& registry, const AnsiString& accountsPath, const TComboBox& ids,
                    std::int32_t count, bool create, Write write) {
  for (std::int32_t i = 0; i < count; ++i) {
    if (!registry.OpenKey(accountsPath + "\\" + ids.Items()[i], create)) continue;
    write(i);
    registry.CloseKey();
  }
}

}  // namespace

AnsiString ProxyHost(const AnsiString& address) {
  // 0x3A is never the trail byte of a double-byte character, so a byte scan
  // finds the first real colon; the full-width colon does not separate.
  return address.substr(0, address.find(':'));
}

void ApplySettings(TRegistry& registry) {
  TForm1& f = *Form1;
  const AnsiString accountsPath = AccountManagerKeyPath + layout::AccountsSuffix;

  // Without a dial-up entry the Remote Access step fails; failing there
  // after the accounts were pointed at the proxy, but before their copies
  // were saved, would lose the user's own servers. So fail before writing.
  if (f.ListBox1->ItemIndex() < 0 && registry.OpenKey(layout::RemoteAccessPath, false)) {
    registry.CloseKey();
    throw EListError(Msg::ListIndexError);
  }

  if (ConnectionMode == 3) {
    if (registry.OpenKey(InternetSettingsKeyPath, false)) {
      registry.WriteBinaryData(layout::EnableAutodial, kAutodialOff, 4);
      WriteProxyEnable(registry, true);
      registry.WriteString(layout::ProxyServer, f.Edit1->Text());
      registry.CloseKey();
    }
    ServerText = ProxyHost(f.Edit1->Text());
    f.StatusBar1->SetSimpleText(ServerText);
    ForEachAccount(registry, accountsPath, *f.ComboBox3, MailAccountCount, false, [&](int) {
      registry.WriteString(layout::Pop3Server, ServerText);
      registry.WriteString(layout::SmtpServer, ServerText);
      registry.WriteInteger(layout::AccountConnectionType, 0);
    });
    ForEachAccount(registry, accountsPath, *f.ComboBox4, NewsAccountCount, false, [&](int) {
      registry.WriteString(layout::NntpServer, ServerText);
      registry.WriteInteger(layout::AccountConnectionType, 0);
    });
  } else {
    if (registry.OpenKey(InternetSettingsKeyPath, false)) {
      if (ConnectionMode == 0) registry.WriteBinaryData(layout::EnableAutodial, kAutodialOff, 4);
      if (ConnectionMode == 2) registry.WriteBinaryData(layout::EnableAutodial, kAutodialOn, 4);
      WriteProxyEnable(registry, f.CheckBox1->Checked());
      registry.WriteString(layout::ProxyServer, f.Edit2->Text());
      registry.CloseKey();
    }
    ForEachAccount(registry, accountsPath, *f.ComboBox3, MailAccountCount, false, [&](int i) {
      registry.WriteString(layout::Pop3Server, Pop3Servers[i]);
      registry.WriteString(layout::SmtpServer, SmtpServers[i]);
      registry.WriteInteger(layout::AccountConnectionType, ConnectionMode);
      registry.WriteString(layout::Connectoid, InternetProfileName);
    });
    ForEachAccount(registry, accountsPath, *f.ComboBox4, NewsAccountCount, false, [&](int i) {
      registry.WriteString(layout::NntpServer, NntpServers[i]);
      registry.WriteInteger(layout::AccountConnectionType, ConnectionMode);
      registry.WriteString(layout::Connectoid, InternetProfileName);
    });
  }

  if (registry.OpenKey(layout::RemoteAccessPath, false)) {
    InternetProfileName = f.ListBox1->Items()[f.ListBox1->ItemIndex()];
    registry.WriteString(layout::Default, InternetProfileName);
    registry.WriteString(layout::InternetProfile, InternetProfileName);
    registry.CloseKey();
  }
  if (registry.OpenKey(OwnKeyPath, true)) {
    registry.WriteInteger(layout::ConnectionType, ConnectionMode);
    registry.WriteString(layout::ProxyServer, f.Edit1->Text());
    registry.CloseKey();
  }
  if (registry.OpenKey(OwnKeyPath + layout::InternetSettingsSuffix, true)) {
    WriteProxyEnable(registry, f.CheckBox1->Checked());
    registry.WriteString(layout::ProxyServer, f.Edit2->Text());
    registry.CloseKey();
  }
  const AnsiString copiesPath = OwnKeyPath + layout::AccountsSuffix;
  ForEachAccount(registry, copiesPath, *f.ComboBox3, MailAccountCount, true, [&](int i) {
    registry.WriteString(layout::Pop3Server, Pop3Servers[i]);
    registry.WriteString(layout::SmtpServer, SmtpServers[i]);
  });
  ForEachAccount(registry, copiesPath, *f.ComboBox4, NewsAccountCount, true,
                 [&](int i) { registry.WriteString(layout::NntpServer, NntpServers[i]); });
}
