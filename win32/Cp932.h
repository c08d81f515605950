#pragma once
// The program's text is code page 932 bytes; windows speak UTF-16. These two
// conversions are the only place where the two meet, so the window reads
// right whatever the system's ANSI code page is.

#include <string>

#include "SysUtils.h"

std::wstring WideFromCp932(const AnsiString& text);
AnsiString Cp932FromWide(const std::wstring& text);
