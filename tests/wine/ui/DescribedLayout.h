#pragma once
// The main window as it is meant to look when it opens: one row per control,
// written down from the window's design, not read from the program.

#include <string>
#include <vector>

struct TFontSpec {
  const char* face;  // UTF-8
  int charset;
  int height;
  bool bold, underline;
};

struct TControlSpec {
  const char* name;
  const wchar_t* windowClass;  // null: painted by the form, no window
  int left, top, width, height;
  const char* text;  // UTF-8; caption or text at creation
  const TFontSpec* font;
  bool shown;
  int tabOrder;  // -1: not a tab stop
};

const std::vector<TControlSpec>& DescribedControls();
const TControlSpec& DescribedControl(const std::string& name);

inline constexpr const char* kCaption = "Orvik v4.011 for Quendle";
inline constexpr const char* kTitle = "Orvik for Quendle";
inline constexpr const char* kStatusHint = "Proxyは、:に続けてポート番号を忘れずに。";
