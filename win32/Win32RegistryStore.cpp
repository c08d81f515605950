#include "Win32RegistryStore.h"

#include <windows.h>

namespace reg {

namespace {

HKEY Handle(Key key) { return reinterpret_cast<HKEY>(key); }
Key ToKey(HKEY key) { return reinterpret_cast<Key>(key); }

}  // namespace

Key TWin32Store::CurrentUser() { return ToKey(HKEY_CURRENT_USER); }

Error TWin32Store::OpenKey(Key parent, const char* subKey, Key* result) {
  HKEY opened = nullptr;
  const LONG rc = RegOpenKeyExA(Handle(parent), subKey, 0, KEY_ALL_ACCESS, &opened);
  if (rc == ERROR_SUCCESS) *result = ToKey(opened);
  return rc;
}

Error TWin32Store::CreateKey(Key parent, const char* subKey, Key* result) {
  HKEY opened = nullptr;
  const LONG rc = RegCreateKeyExA(Handle(parent), subKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &opened, nullptr);
  if (rc == ERROR_SUCCESS) *result = ToKey(opened);
  return rc;
}

Error TWin32Store::QueryValue(Key key, const char* name, std::uint32_t* type, std::uint8_t* data,
                              std::uint32_t* size) {
  // DWORD is the same width, but not the same type, as std::uint32_t.
  DWORD valueType = 0;
  DWORD valueSize = size ? *size : 0;
  const LONG rc = RegQueryValueExA(Handle(key), name, nullptr, type ? &valueType : nullptr, data,
                                   size ? &valueSize : nullptr);
  if (type) *type = valueType;
  if (size) *size = valueSize;
  return rc;
}

Error TWin32Store::SetValue(Key key, const char* name, std::uint32_t type,
                            const std::uint8_t* data, std::uint32_t size) {
  return RegSetValueExA(Handle(key), name, 0, type, data, size);
}

Error TWin32Store::QueryInfoKey(Key key, std::uint32_t* subKeys, std::uint32_t* maxSubKeyLen) {
  DWORD count = 0;
  DWORD longest = 0;
  const LONG rc = RegQueryInfoKeyA(Handle(key), nullptr, nullptr, nullptr, &count, &longest,
                                   nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
  if (rc == ERROR_SUCCESS) {
    if (subKeys) *subKeys = count;
    if (maxSubKeyLen) *maxSubKeyLen = longest;
  }
  return rc;
}

Error TWin32Store::EnumKey(Key key, std::uint32_t index, char* name, std::uint32_t* nameLen) {
  DWORD length = *nameLen;
  const LONG rc = RegEnumKeyExA(Handle(key), index, name, &length, nullptr, nullptr, nullptr,
                                nullptr);
  *nameLen = length;
  return rc;
}

void TWin32Store::CloseKey(Key key) {
  // The predefined root is not ours to close.
  if (Handle(key) != HKEY_CURRENT_USER) RegCloseKey(Handle(key));
}

}  // namespace reg
