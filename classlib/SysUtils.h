#pragma once
// Exceptions and text of the class library. Text is bytes in the ANSI code
// page (932 here), exactly as the registry's ANSI functions hand it over.

#include <exception>
#include <string>

using AnsiString = std::string;

class Exception : public std::exception {
 public:
  explicit Exception(AnsiString message) : message_(std::move(message)) {}
  const AnsiString& Message() const { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  AnsiString message_;
};

// The silent exception: ends a handler without an error box.
class EAbort : public Exception {
 public:
  EAbort() : Exception("Operation aborted") {}
};

class EListError : public Exception {
 public:
  using Exception::Exception;
};

class ERegistryException : public Exception {
 public:
  using Exception::Exception;
};

// Replaces the one "%s" of a message pattern by an argument.
AnsiString FormatMessage1(const AnsiString& pattern, const AnsiString& arg);

// User-visible messages, Shift-JIS.
namespace Msg {
// "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています"
inline constexpr const char* ListIndexError =
    "\xD8\xBD\xC4\x82\xCC\xB2\xDD\xC3\xDE\xAF\xB8\xBD\x82\xAA\x94\xCD\x88\xCD"
    "\x82\xF0\x92\xB4\x82\xA6\x82\xC4\x82\xA2\x82\xDC\x82\xB7";
// "'%s' のﾃﾞｰﾀ型が不正です"
inline constexpr const char* InvalidRegType =
    "'%s' \x82\xCC\xC3\xDE\xB0\xC0\x8C^\x82\xAA\x95s\x90\xB3\x82\xC5\x82\xB7";
// "'%s' の取得に失敗しました"
inline constexpr const char* RegGetDataFailed =
    "'%s' \x82\xCC\x8E\xE6\x93\xBE\x82\xC9\x8E\xB8\x94s\x82\xB5\x82\xDC\x82\xB5"
    "\x82\xBD";
// "'%s' の設定に失敗しました"
inline constexpr const char* RegSetDataFailed =
    "'%s' \x82\xCC\x90\xDD\x92\xE8\x82\xC9\x8E\xB8\x94s\x82\xB5\x82\xDC\x82\xB5"
    "\x82\xBD";
}  // namespace Msg
