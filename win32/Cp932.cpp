#include "Cp932.h"

#include <windows.h>

namespace {
constexpr UINT kCp932 = 932;
}  // namespace

std::wstring WideFromCp932(const AnsiString& text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int needed = MultiByteToWideChar(kCp932, 0, text.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  MultiByteToWideChar(kCp932, 0, text.data(), length, wide.data(), needed);
  return wide;
}

AnsiString Cp932FromWide(const std::wstring& text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int needed = WideCharToMultiByte(kCp932, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  AnsiString bytes(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(kCp932, 0, text.data(), length, bytes.data(), needed, nullptr, nullptr);
  return bytes;
}
