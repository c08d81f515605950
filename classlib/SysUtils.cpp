#include "SysUtils.h"

AnsiString FormatMessage1(const AnsiString& pattern, const AnsiString& arg) {
  const auto at = pattern.find("%s");
  if (at == AnsiString::npos) return pattern;
  AnsiString result;
  result.reserve(pattern.size() + arg.size());
  result.append(pattern, 0, at).append(arg).append(pattern, at + 2, AnsiString::npos);
  return result;
}
