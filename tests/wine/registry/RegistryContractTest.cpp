// The registry contract on Wine's registry, through TWin32Store, in scratch
// keys below HKCU\Software\OrvikContractTest-<pid> that each case removes.

#include <windows.h>

#include <aclapi.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RegistryContract.h"
#include "Win32RegistryStore.h"

namespace {

std::string ScratchTop() { return "Software\\OrvikContractTest-" + std::to_string(GetCurrentProcessId()); }

bool KeyExists(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// Sets the key's own access list, inheriting nothing: with readOnly, everyone
// may read it and no more; otherwise it takes its parent's list again.
bool SetAccess(const std::string& path, bool readOnly) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, WRITE_DAC, &key) != ERROR_SUCCESS) return false;
  DWORD rc = ERROR_SUCCESS;
  if (readOnly) {
    char everyone[] = "EVERYONE";
    EXPLICIT_ACCESS_A entry{};
    BuildExplicitAccessWithNameA(&entry, everyone, KEY_READ, SET_ACCESS, NO_INHERITANCE);
    PACL acl = nullptr;
    rc = SetEntriesInAclA(1, &entry, nullptr, &acl);
    if (rc == ERROR_SUCCESS)
      rc = SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                           nullptr, nullptr, acl, nullptr);
    LocalFree(acl);
  } else {
    rc = SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION | UNPROTECTED_DACL_SECURITY_INFORMATION,
                         nullptr, nullptr, nullptr, nullptr);
  }
  RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

class TWineFixture : public contract::TRegistryFixture {
 public:
  TWineFixture() : top_(ScratchTop()), root_(top_ + "\\Case") {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, root_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }
  ~TWineFixture() override {
    for (const auto& path : denied_) SetAccess(path, false);
    RegDeleteTreeA(HKEY_CURRENT_USER, top_.c_str());
  }
  const std::string& Top() const { return top_; }

  reg::TStore& Store() override { return store_; }
  std::string Root() const override { return root_; }

  void PutValue(const std::string& path, const std::string& name, std::uint32_t type,
                const contract::TBytes& data) override {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    // RegSetValueExA counts a string's terminating zero itself when the byte
    // after the data is zero; a non-zero byte there keeps the data as given.
    std::vector<BYTE> padded(data.begin(), data.end());
    padded.push_back('#');
    EXPECT_EQ(RegSetValueExA(key, name.c_str(), 0, type, padded.data(), static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }
  void DeleteKey(const std::string& path) override {
    ASSERT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str()), ERROR_SUCCESS);
  }
  void DenyFullAccess(const std::string& path) override {
    ASSERT_TRUE(SetAccess(path, true));
    denied_.push_back(path);
  }
  // A key deleted by another program: every write through a handle that is
  // still open fails with ERROR_KEY_DELETED.
  void MakeWritesFail(const std::string& path) override { DeleteKey(path); }

 private:
  reg::TWin32Store store_;
  std::string top_, root_;
  std::vector<std::string> denied_;
};

class RegistryContractOnWine : public ::testing::TestWithParam<contract::TContractCase> {};

TEST_P(RegistryContractOnWine, Holds) {
  std::string top;
  {
    TWineFixture fixture;
    top = fixture.Top();
    GetParam().run(fixture);
  }
  EXPECT_FALSE(KeyExists(top)) << "scratch key left behind";
}

INSTANTIATE_TEST_SUITE_P(Cases, RegistryContractOnWine, ::testing::ValuesIn(contract::ContractCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
