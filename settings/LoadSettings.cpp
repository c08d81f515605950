#include "LoadSettings.h"

#include <map>

#include "Registry.h"
#include "RegistryLayout.h"
#include "Unit1.h"
#include "WorkingState.h"

namespace {

using TNames = std::map<AnsiString, AnsiString>;  // account id -> display name

// Adds the display names of the listed accounts, by id.
void AddNames(TNames& byId, const TComboBox& ids, const TComboBox& names) {
  for (int i = 0; i < ids.Items().Count() && i < names.Items().Count(); ++i)
    byId.emplace(ids.Items()[i], names.Items()[i]);
}

// The name shown for a saved copy: its account's name, or the id when the
// account is gone from the mail client.
const AnsiString& CopyName(const TNames& names, const AnsiString& id) {
  const auto it = names.find(id);
  return it == names.end() ? id : it->second;
}

// Walks ComboBox5's account ids below accountsPath and builds the server
// lists, the id lists and the display-name lists: read from each account,
// or (for the saved copies) looked up in copyNames.
void AccountPass(TRegistry& registry, const AnsiString& accountsPath, const TNames* copyNames) {
  TForm1& f = *Form1;
  for (int i = 0; i < f.ComboBox5->Items().Count(); ++i) {
    const AnsiString& id = f.ComboBox5->Items()[i];
    if (!registry.OpenKey(accountsPath + "\\" + id, false)) continue;
    ServerText = registry.ReadString(layout::Pop3Server);
    if (!ServerText.empty()) {
      Pop3Servers.Add(ServerText);
      SmtpServers.Add(registry.ReadString(layout::SmtpServer));
      f.ComboBox1->AddItem(copyNames ? CopyName(*copyNames, id) : registry.ReadString(layout::AccountName));
      f.ComboBox3->AddItem(id);
      if (id == DefaultMailAccount) {
        f.ComboBox1->SetItemIndex(MailAccountCount);
        f.Edit3->SetText(Pop3Servers[f.ComboBox1->ItemIndex()]);
        f.Edit4->SetText(SmtpServers[f.ComboBox1->ItemIndex()]);
      }
      ++MailAccountCount;
    }
    ServerText = registry.ReadString(layout::NntpServer);
    if (!ServerText.empty()) {
      NntpServers.Add(ServerText);
      f.ComboBox2->AddItem(copyNames ? CopyName(*copyNames, id) : registry.ReadString(layout::AccountName));
      f.ComboBox4->AddItem(id);
      if (id == DefaultNewsAccount) {
        f.ComboBox2->SetItemIndex(NewsAccountCount);
        f.Edit5->SetText(NntpServers[f.ComboBox2->ItemIndex()]);
      }
      ++NewsAccountCount;
    }
    registry.CloseKey();
  }
}

// Fills a list control with the open key's subkey names.
void ListSubkeys(TRegistry& registry, TListControl& list) {
  TStringList names;
  registry.GetKeyNames(names);
  list.AssignItems(std::move(names.MutableItems()));
}

void ReadProxySwitch(TRegistry& registry, TForm1& f) {
  registry.ReadBinaryData(layout::ProxyEnable, ProxyEnableFlag, sizeof ProxyEnableFlag);
  f.CheckBox1->SetChecked(ProxyEnableFlag[0] != 0);
  f.Edit2->SetText(registry.ReadString(layout::ProxyServer));
}

}  // namespace

void LoadSettings(TRegistry& registry) {
  TForm1& f = *Form1;
  Pop3Servers.Clear();
  SmtpServers.Clear();
  NntpServers.Clear();

  if (registry.OpenKey(layout::RemoteAccessPath, false)) {
    InternetProfileName = registry.ReadString(layout::InternetProfile);
    registry.CloseKey();
  }
  if (registry.OpenKey(AccountManagerKeyPath, false)) {
    DefaultMailAccount = registry.ReadString(layout::DefaultMailAccount);
    DefaultNewsAccount = registry.ReadString(layout::DefaultNewsAccount);
    registry.CloseKey();
  }
  AnsiString accountsPath = AccountManagerKeyPath + layout::AccountsSuffix;

  for (TComboBox* combo : {f.ComboBox1, f.ComboBox2, f.ComboBox3, f.ComboBox4, f.ComboBox5}) combo->Clear();
  if (registry.OpenKey(accountsPath, false)) {
    ListSubkeys(registry, *f.ComboBox5);
    registry.CloseKey();
  }
  MailAccountCount = 0;
  NewsAccountCount = 0;
  AccountPass(registry, accountsPath, nullptr);

  if (registry.OpenKey(layout::ProfilePath, false)) {
    ListSubkeys(registry, *f.ListBox1);
    registry.CloseKey();
    for (int i = 0; i < f.ListBox1->Items().Count(); ++i)
      if (f.ListBox1->Items()[i] == InternetProfileName) f.ListBox1->SetItemIndex(i);
  }

  if (registry.OpenKey(InternetSettingsKeyPath, false)) {
    registry.ReadBinaryData(layout::EnableAutodial, AutodialFlag, sizeof AutodialFlag);
    registry.CloseKey();
    if (AutodialFlag[0] == 1) {
      f.RadioButton3->SetChecked(true);
      ConnectionMode = 2;
    } else if (registry.OpenKey(OwnKeyPath, false)) {
      // An own key that holds only the window placement (a run that ended
      // without "O.K.") has no mode yet: that is no error.
      const bool stored = registry.TryReadInteger(layout::ConnectionType, ConnectionMode);
      registry.CloseKey();
      if (stored && ConnectionMode == 3) f.RadioButton1->SetChecked(true);
      if (stored && ConnectionMode == 0) f.RadioButton2->SetChecked(true);
    }
  }

  if (ConnectionMode == 3) {
    if (registry.OpenKey(InternetSettingsKeyPath, false)) {
      f.Edit1->SetText(registry.ReadString(layout::ProxyServer));
      registry.CloseKey();
    }
    if (registry.OpenKey(OwnKeyPath + layout::InternetSettingsSuffix, false)) {
      ReadProxySwitch(registry, f);
      registry.CloseKey();
    }
    // The names are listed again from the copies, so that name i belongs to
    // the copy whose servers are item i even when accounts were added or
    // removed since the copies were saved; when they match, the lists come
    // out as they were.
    TNames copyNames;
    AddNames(copyNames, *f.ComboBox3, *f.ComboBox1);
    AddNames(copyNames, *f.ComboBox4, *f.ComboBox2);
    for (TComboBox* combo : {f.ComboBox1, f.ComboBox2, f.ComboBox3, f.ComboBox4, f.ComboBox5}) combo->Clear();
    Pop3Servers.Clear();
    SmtpServers.Clear();
    NntpServers.Clear();
    accountsPath = OwnKeyPath + layout::AccountsSuffix;
    if (registry.OpenKey(accountsPath, false)) {
      ListSubkeys(registry, *f.ComboBox5);
      registry.CloseKey();
    }
    MailAccountCount = 0;
    NewsAccountCount = 0;
    AccountPass(registry, accountsPath, &copyNames);
  } else {
    if (registry.OpenKey(OwnKeyPath, true)) {
      f.Edit1->SetText(registry.ReadString(layout::ProxyServer));
      registry.CloseKey();
    }
    if (registry.OpenKey(InternetSettingsKeyPath, false)) {
      ReadProxySwitch(registry, f);
      registry.CloseKey();
    }
  }
  SettingsLoaded = true;
}
