#pragma once
// The seam between TRegistry and a registry: the few ANSI registry functions
// it rests on, with their Win32 semantics (error codes, ERROR_MORE_DATA,
// sizes in bytes). The Win32 store forwards to ADVAPI32; the memory store
// behaves the same for tests.

#include <cstdint>

#include "SysUtils.h"

namespace reg {

using Key = std::uintptr_t;  // an open key; 0 is none
using Error = long;

// The Win32 values, so both stores speak the same numbers.
inline constexpr Error kSuccess = 0;
inline constexpr Error kFileNotFound = 2;
inline constexpr Error kAccessDenied = 5;
inline constexpr Error kInvalidParameter = 87;
inline constexpr Error kMoreData = 234;
inline constexpr Error kNoMoreItems = 259;
inline constexpr Error kKeyDeleted = 1018;

inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kSz = 1;
inline constexpr std::uint32_t kExpandSz = 2;
inline constexpr std::uint32_t kBinary = 3;
inline constexpr std::uint32_t kDword = 4;
inline constexpr std::uint32_t kMultiSz = 7;
inline constexpr std::uint32_t kQword = 11;

class TStore {
 public:
  virtual ~TStore() = default;
  // HKEY_CURRENT_USER; never closed.
  virtual Key CurrentUser() = 0;
  // RegOpenKeyExA / RegCreateKeyExA with KEY_ALL_ACCESS.
  virtual Error OpenKey(Key parent, const char* subKey, Key* result) = 0;
  virtual Error CreateKey(Key parent, const char* subKey, Key* result) = 0;
  // RegQueryValueExA: data may be null to ask for the type and size only.
  virtual Error QueryValue(Key key, const char* name, std::uint32_t* type, std::uint8_t* data,
                           std::uint32_t* size) = 0;
  // RegSetValueExA.
  virtual Error SetValue(Key key, const char* name, std::uint32_t type, const std::uint8_t* data,
                         std::uint32_t size) = 0;
  // RegQueryInfoKeyA: number of subkeys and the length of the longest name.
  virtual Error QueryInfoKey(Key key, std::uint32_t* subKeys, std::uint32_t* maxSubKeyLen) = 0;
  // RegEnumKeyExA: *nameLen is the buffer's size in, the name's length out.
  virtual Error EnumKey(Key key, std::uint32_t index, char* name, std::uint32_t* nameLen) = 0;
  virtual void CloseKey(Key key) = 0;
};

}  // namespace reg
