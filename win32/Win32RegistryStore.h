#pragma once
// The registry store on ADVAPI32's ANSI functions, for the Windows build.
// Every key is asked for full access, as the program reads and writes each
// key it opens; a key that refuses that counts as missing.

#include "RegistryStore.h"

namespace reg {

class TWin32Store : public TStore {
 public:
  Key CurrentUser() override;
  Error OpenKey(Key parent, const char* subKey, Key* result) override;
  Error CreateKey(Key parent, const char* subKey, Key* result) override;
  Error QueryValue(Key key, const char* name, std::uint32_t* type, std::uint8_t* data,
                   std::uint32_t* size) override;
  Error SetValue(Key key, const char* name, std::uint32_t type, const std::uint8_t* data,
                 std::uint32_t size) override;
  Error QueryInfoKey(Key key, std::uint32_t* subKeys, std::uint32_t* maxSubKeyLen) override;
  Error EnumKey(Key key, std::uint32_t index, char* name, std::uint32_t* nameLen) override;
  void CloseKey(Key key) override;
};

}  // namespace reg
