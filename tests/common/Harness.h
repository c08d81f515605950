#pragma once
// A headless program: the in-memory registry, the application without
// windows, and the main window created as at start-up.

#include <string>
#include <vector>

#include "Forms.h"
#include "MemoryRegistryStore.h"
#include "Unit1.h"
#include "WorkingState.h"

struct THarness {
  reg::TMemoryStore store;
  THeadlessBackend backend;
  TApplication app{backend, store};

  // Resets the program-wide state and creates Form1 (FormCreate runs).
  TForm1& Start();
  const std::vector<AnsiString>& Reports() const { return backend.Reports; }
};

// Registry paths as the memory store takes them (no leading backslash).
namespace paths {
inline const std::string Own = "Software\\Quimbry\\Orvik";
inline const std::string OwnInternet = Own + "\\Internet Settings";
inline const std::string OwnAccounts = Own + "\\Accounts";
inline const std::string Iam = "Software\\Microsoft\\Internet Account Manager";
inline const std::string Accounts = Iam + "\\Accounts";
inline const std::string Internet = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
inline const std::string RemoteAccess = "RemoteAccess";
inline const std::string Profile = "RemoteAccess\\Profile";
}  // namespace paths

// A message of the program with "%s" filled in, followed by the error box's ".".
std::string Report(const char* pattern, const std::string& name = "");

// Text of a string value in the memory store ("" if absent); type-checked.
std::string StringAt(const reg::TMemoryStore& store, const std::string& path, const std::string& name);
