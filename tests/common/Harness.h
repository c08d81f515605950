#pragma once
// A headless program: the in-memory registry, the application without
// windows, and the main window created as at start-up.

#include <string>
#include <vector>

#include "Forms.h"
#include "MemoryRegistryStore.h"
#include "Unit1.h"
#include "WorkingState.h"

// Passes every call to the memory store, and can refuse the n-th write
// counted from when it is told (the same value may be written twice).
class TWriteFaults : public reg::TStore {
 public:
  explicit TWriteFaults(reg::TStore& inner) : inner_(inner) {}
  void RefuseWriteNumber(int n) { refuseAt_ = n, writes_ = 0; }
  void Clear() { refuseAt_ = -1; }
  reg::Key CurrentUser() override { return inner_.CurrentUser(); }
  reg::Error OpenKey(reg::Key p, const char* s, reg::Key* r) override { return inner_.OpenKey(p, s, r); }
  reg::Error CreateKey(reg::Key p, const char* s, reg::Key* r) override { return inner_.CreateKey(p, s, r); }
  reg::Error QueryValue(reg::Key k, const char* n, std::uint32_t* t, std::uint8_t* d, std::uint32_t* z) override {
    return inner_.QueryValue(k, n, t, d, z);
  }
  reg::Error SetValue(reg::Key k, const char* n, std::uint32_t t, const std::uint8_t* d, std::uint32_t z) override {
    if (refuseAt_ >= 0 && writes_++ == refuseAt_) return reg::kAccessDenied;
    return inner_.SetValue(k, n, t, d, z);
  }
  reg::Error QueryInfoKey(reg::Key k, std::uint32_t* n, std::uint32_t* m) override { return inner_.QueryInfoKey(k, n, m); }
  reg::Error EnumKey(reg::Key k, std::uint32_t i, char* n, std::uint32_t* l) override { return inner_.EnumKey(k, i, n, l); }
  void CloseKey(reg::Key k) override { inner_.CloseKey(k); }

 private:
  reg::TStore& inner_;
  int refuseAt_ = -1;
  int writes_ = 0;
};

struct THarness {
  reg::TMemoryStore store;
  TWriteFaults faults{store};
  THeadlessBackend backend;

  // A new run of the program: resets the program-wide state, makes a new
  // application and creates Form1 in it (FormCreate runs).
  TForm1& Start();
  TApplication& App() { return *app_; }
  const std::vector<AnsiString>& Reports() const { return backend.Reports; }

 private:
  std::unique_ptr<TApplication> app_;
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
