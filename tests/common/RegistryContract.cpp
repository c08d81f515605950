#include "RegistryContract.h"

#include <gtest/gtest.h>

#include <optional>

#include "Classes.h"
#include "Registry.h"

namespace contract {

namespace {

// Shift-JIS texts. "ソ", "表" and "能" end in the byte of a backslash.
const std::string kNihongo = "\x93\xFA\x96\x7B\x8C\xEA";      // 日本語
const std::string kNihon = "\x93\xFA\x96\x7B";                 // 日本
const std::string kSofuto = "\x83\x5C\x83\x74\x83\x67";       // ソフト
const std::string kHyouji = "\x95\x5C\x8E\xA6";                // 表示
const std::string kNamae = "\x96\xBC\x91\x4F";                 // 名前
const std::string kKanaHalf = "\xB6\xC5";                      // ｶﾅ
const std::string kHalfA = "\xB1";                             // ｱ
const std::string kHiraA = "\x82\xA0";                         // あ
const std::string kWideUpperA = "\x82\x60";                    // Ａ
const std::string kWideLowerA = "\x82\x81";                    // ａ
const std::string kNou = "\x94\x5C";                           // 能

TBytes Bytes(const std::string& s) { return TBytes(s.begin(), s.end()); }
TBytes Text(const std::string& s) {  // with its terminating zero
  TBytes b = Bytes(s);
  b.push_back(0);
  return b;
}

std::string Sub(TRegistryFixture& f, const std::string& rel) { return f.Root() + "\\" + rel; }
std::string Abs(TRegistryFixture& f, const std::string& rel) { return "\\" + Sub(f, rel); }
std::string Abs(TRegistryFixture& f) { return "\\" + f.Root(); }

// Observations made on the store itself, apart from TRegistry.
bool HasKey(TRegistryFixture& f, const std::string& path) {
  reg::Key key = 0;
  if (f.Store().OpenKey(f.Store().CurrentUser(), path.c_str(), &key) != reg::kSuccess) return false;
  f.Store().CloseKey(key);
  return true;
}

void PutKey(TRegistryFixture& f, const std::string& path) {
  reg::Key key = 0;
  ASSERT_EQ(f.Store().CreateKey(f.Store().CurrentUser(), path.c_str(), &key), reg::kSuccess) << path;
  f.Store().CloseKey(key);
}

struct TRaw {
  std::uint32_t type;
  TBytes data;
  bool operator==(const TRaw&) const = default;
};

void PrintTo(const TRaw& raw, std::ostream* os) {
  *os << "type " << raw.type << ", bytes";
  for (auto b : raw.data) *os << ' ' << std::hex << static_cast<int>(b) << std::dec;
}

std::optional<TRaw> RawValue(TRegistryFixture& f, const std::string& path, const std::string& name) {
  reg::TStore& s = f.Store();
  reg::Key key = 0;
  if (s.OpenKey(s.CurrentUser(), path.c_str(), &key) != reg::kSuccess) return std::nullopt;
  TRaw raw{0, {}};
  std::uint32_t size = 0;
  reg::Error rc = s.QueryValue(key, name.c_str(), &raw.type, nullptr, &size);
  if (rc == reg::kSuccess) {
    raw.data.resize(size + 1);  // room for the zero a string gets appended
    rc = s.QueryValue(key, name.c_str(), &raw.type, raw.data.data(), &size);
    raw.data.resize(size);
  }
  s.CloseKey(key);
  if (rc != reg::kSuccess) return std::nullopt;
  return raw;
}

std::vector<std::string> SubKeyNames(TRegistryFixture& f, const std::string& path) {
  reg::TStore& s = f.Store();
  std::vector<std::string> names;
  reg::Key key = 0;
  if (s.OpenKey(s.CurrentUser(), path.c_str(), &key) != reg::kSuccess) return names;
  std::vector<char> name(2048);
  for (std::uint32_t i = 0;; ++i) {
    auto len = static_cast<std::uint32_t>(name.size());
    if (s.EnumKey(key, i, name.data(), &len) != reg::kSuccess) break;
    names.emplace_back(name.data(), len);
  }
  s.CloseKey(key);
  return names;
}

void ExpectRaises(const std::function<void()>& code, const char* pattern, const std::string& value) {
  try {
    code();
    ADD_FAILURE() << "no error, expected: " << FormatMessage1(pattern, value);
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.Message(), FormatMessage1(pattern, value));
  }
}

// A value as the cases store it before reading; none: the key without it.
struct TStored {
  std::uint32_t type;
  TBytes data;
};
using TMaybeStored = std::optional<TStored>;
const TMaybeStored kAbsent = std::nullopt;

// Opens key "K" of the scratch key, holding value "V" when one is given.
void OpenWithValue(TRegistryFixture& f, TRegistry& r, const TMaybeStored& stored) {
  if (stored) {
    f.PutValue(Sub(f, "K"), "V", stored->type, stored->data);
  } else {
    PutKey(f, Sub(f, "K"));
  }
  ASSERT_TRUE(r.OpenKey(Abs(f, "K"), false));
}

// --- Reads ------------------------------------------------------------------

TContractCase ReadsString(std::string name, TMaybeStored stored, std::string text) {
  return {"ReadString" + name, [stored, text](TRegistryFixture& f) {
            TRegistry r(f.Store());
            OpenWithValue(f, r, stored);
            EXPECT_EQ(r.ReadString("V"), text);
          }};
}

TContractCase ReadStringFails(std::string name, TMaybeStored stored, const char* pattern) {
  return {"ReadString" + name, [stored, pattern](TRegistryFixture& f) {
            TRegistry r(f.Store());
            OpenWithValue(f, r, stored);
            ExpectRaises([&] { r.ReadString("V"); }, pattern, "V");
          }};
}

TContractCase ReadsInteger(std::string name, TMaybeStored stored, std::int32_t value) {
  return {"ReadInteger" + name, [stored, value](TRegistryFixture& f) {
            TRegistry r(f.Store());
            OpenWithValue(f, r, stored);
            EXPECT_EQ(r.ReadInteger("V"), value);
            std::int32_t tried = 0;
            EXPECT_TRUE(r.TryReadInteger("V", tried));
            EXPECT_EQ(tried, value);
          }};
}

// TryReadInteger only forgives an absent value; every other failure is the
// same as ReadInteger's.
TContractCase ReadIntegerFails(std::string name, TMaybeStored stored, const char* pattern) {
  return {"ReadInteger" + name, [stored, pattern](TRegistryFixture& f) {
            TRegistry r(f.Store());
            OpenWithValue(f, r, stored);
            ExpectRaises([&] { r.ReadInteger("V"); }, pattern, "V");
            std::int32_t tried = 77;
            if (stored) {
              ExpectRaises([&] { r.TryReadInteger("V", tried); }, pattern, "V");
            } else {
              EXPECT_FALSE(r.TryReadInteger("V", tried));
            }
            EXPECT_EQ(tried, 77);
          }};
}

const TBytes kBufferBefore = {0xAA, 0xBB, 0xCC, 0xDD};

TContractCase ReadsBinary(std::string name, TMaybeStored stored, int count, TBytes after) {
  return {"ReadBinary" + name, [stored, count, after](TRegistryFixture& f) {
            TRegistry r(f.Store());
            OpenWithValue(f, r, stored);
            TBytes buffer = kBufferBefore;
            EXPECT_EQ(r.ReadBinaryData("V", buffer.data(), 4), count);
            EXPECT_EQ(buffer, after);
          }};
}

TContractCase ReadBinaryFails(std::string name, TMaybeStored stored) {
  return {"ReadBinary" + name, [stored](TRegistryFixture& f) {
            TRegistry r(f.Store());
            OpenWithValue(f, r, stored);
            TBytes buffer = kBufferBefore;
            ExpectRaises([&] { r.ReadBinaryData("V", buffer.data(), 4); }, Msg::InvalidRegType, "V");
            EXPECT_EQ(buffer, kBufferBefore);
          }};
}

// --- Writes -----------------------------------------------------------------

enum class TWrite { String, Integer, Binary };

void DoWrite(TRegistry& r, TWrite kind, const std::string& name) {
  static const std::uint8_t kFour[4] = {0x01, 0x00, 0x00, 0x00};
  switch (kind) {
    case TWrite::String: r.WriteString(name, kNamae + "abc"); break;
    case TWrite::Integer: r.WriteInteger(name, -2); break;
    case TWrite::Binary: r.WriteBinaryData(name, kFour, 4); break;
  }
}

TRaw Written(TWrite kind) {
  switch (kind) {
    case TWrite::String: return {reg::kSz, Text(kNamae + "abc")};
    case TWrite::Integer: return {reg::kDword, {0xFE, 0xFF, 0xFF, 0xFF}};
    case TWrite::Binary: return {reg::kBinary, {0x01, 0x00, 0x00, 0x00}};
  }
  return {};
}

// The value is created, or replaced with its type.
TContractCase Writes(std::string name, TWrite kind, TMaybeStored before) {
  return {"Write" + name, [kind, before](TRegistryFixture& f) {
            {
              TRegistry r(f.Store());
              OpenWithValue(f, r, before);
              DoWrite(r, kind, "V");
            }
            EXPECT_EQ(RawValue(f, Sub(f, "K"), "V"), std::optional<TRaw>(Written(kind)));
          }};
}

TContractCase WriteRefused(std::string name, TWrite kind) {
  return {"Write" + name, [kind](TRegistryFixture& f) {
            TRegistry r(f.Store());
            OpenWithValue(f, r, kAbsent);
            f.MakeWritesFail(Sub(f, "K"));
            ExpectRaises([&] { DoWrite(r, kind, "V"); }, Msg::RegSetDataFailed, "V");
          }};
}

// --- Keys -------------------------------------------------------------------

void OpenMissingKeyFailsAndKeepsTheOpenKey(TRegistryFixture& f) {
  f.PutValue(Sub(f, "A"), "V", reg::kSz, Text("in A"));
  TRegistry r(f.Store());
  ASSERT_TRUE(r.OpenKey(Abs(f, "A"), false));
  EXPECT_FALSE(r.OpenKey(Abs(f, "Missing"), false));
  EXPECT_FALSE(r.OpenKey(Abs(f, "A\\Missing\\Deeper"), false));
  EXPECT_FALSE(HasKey(f, Sub(f, "Missing")));
  EXPECT_FALSE(HasKey(f, Sub(f, "A\\Missing")));
  EXPECT_TRUE(r.HasOpenKey());
  EXPECT_EQ(r.ReadString("V"), "in A");
}

void OpenWithCreatingMakesEveryKeyOnThePath(TRegistryFixture& f) {
  PutKey(f, Sub(f, "A"));
  TRegistry r(f.Store());
  ASSERT_TRUE(r.OpenKey(Abs(f, "A\\B\\C"), true));
  EXPECT_TRUE(HasKey(f, Sub(f, "A\\B")));
  EXPECT_EQ(SubKeyNames(f, Sub(f, "A\\B")), std::vector<std::string>{"C"});
  r.WriteString("V", "in C");
  EXPECT_EQ(RawValue(f, Sub(f, "A\\B\\C"), "V"), std::optional<TRaw>(TRaw{reg::kSz, Text("in C")}));
  // An existing key opens the same with creating; what it holds stays.
  ASSERT_TRUE(r.OpenKey(Abs(f, "A\\B\\C"), true));
  EXPECT_EQ(r.ReadString("V"), "in C");
}

void AbsolutePathsStartAtTheRootOthersBelowTheOpenKey(TRegistryFixture& f) {
  f.PutValue(Sub(f, "A"), "Where", reg::kSz, Text("A"));
  f.PutValue(Sub(f, "A\\B"), "Where", reg::kSz, Text("A\\B"));
  f.PutValue(Sub(f, "B"), "Where", reg::kSz, Text("B"));
  TRegistry r(f.Store());
  // With no key open, a path without the backslash starts at the root too.
  ASSERT_TRUE(r.OpenKey(Sub(f, "A"), false));
  EXPECT_EQ(r.ReadString("Where"), "A");
  ASSERT_TRUE(r.OpenKey("B", false));
  EXPECT_EQ(r.ReadString("Where"), "A\\B");
  ASSERT_TRUE(r.OpenKey(Abs(f, "B"), false));
  EXPECT_EQ(r.ReadString("Where"), "B");
  // Below the open key, the scratch path does not exist.
  EXPECT_FALSE(r.OpenKey(Sub(f, "A"), false));
  EXPECT_EQ(r.ReadString("Where"), "B");
}

void CloseKeyClosesOnceAndRelativePathsStartAtTheRootAgain(TRegistryFixture& f) {
  f.PutValue(Sub(f, "A"), "V", reg::kSz, Text("in A"));
  TRegistry r(f.Store());
  ASSERT_TRUE(r.OpenKey(Abs(f, "A"), false));
  r.CloseKey();
  EXPECT_FALSE(r.HasOpenKey());
  r.CloseKey();  // nothing open: nothing happens
  EXPECT_FALSE(r.HasOpenKey());
  // No key to read from.
  EXPECT_EQ(r.ReadString("V"), "");
  ExpectRaises([&] { r.ReadInteger("V"); }, Msg::RegGetDataFailed, "V");
  EXPECT_TRUE(r.OpenKey(Sub(f, "A"), false));
  EXPECT_EQ(r.ReadString("V"), "in A");
}

void NamesAreComparedWithoutLetterCase(TRegistryFixture& f) {
  f.PutValue(Sub(f, "MixedCase\\Inner"), "Value", reg::kSz, Text("first"));
  f.PutValue(Sub(f, kWideUpperA), "V", reg::kSz, Text("wide"));
  TRegistry r(f.Store());
  ASSERT_TRUE(r.OpenKey(Abs(f, "mIXEDcASE\\INNER"), false));
  EXPECT_EQ(r.ReadString("VALUE"), "first");
  r.WriteString("value", "second");
  EXPECT_EQ(r.ReadString("Value"), "second");
  // Creating with another case opens the key that is there.
  ASSERT_TRUE(r.OpenKey(Abs(f, "MIXEDCASE\\inner"), true));
  EXPECT_EQ(SubKeyNames(f, Sub(f, "MixedCase")), std::vector<std::string>{"Inner"});
  // Full-width letters have a case too.
  ASSERT_TRUE(r.OpenKey(Abs(f, kWideLowerA), false));
  EXPECT_EQ(r.ReadString("V"), "wide");
}

void KeyThatRefusesFullAccessCountsAsMissing(TRegistryFixture& f) {
  f.PutValue(Sub(f, "Open"), "V", reg::kSz, Text("open"));
  f.PutValue(Sub(f, "Locked\\Child"), "V", reg::kSz, Text("child"));
  f.DenyFullAccess(Sub(f, "Locked"));
  TRegistry r(f.Store());
  ASSERT_TRUE(r.OpenKey(Abs(f, "Open"), false));
  EXPECT_FALSE(r.OpenKey(Abs(f, "Locked"), false));
  EXPECT_FALSE(r.OpenKey(Abs(f, "Locked"), true));
  EXPECT_EQ(r.ReadString("V"), "open");  // the key open before stays open
  // The refusal is the key's own: its subkeys open, and Wine creates new
  // ones below it.
  ASSERT_TRUE(r.OpenKey(Abs(f, "Locked\\Child"), false));
  EXPECT_EQ(r.ReadString("V"), "child");
  EXPECT_TRUE(r.OpenKey(Abs(f, "Locked\\New"), true));
  ASSERT_TRUE(r.OpenKey(Abs(f), false));
  TStringList names;
  r.GetKeyNames(names);
  EXPECT_EQ(names.Items(), (std::vector<AnsiString>{"Locked", "Open"}));
}

void KeyNamesHaveTheirLimitsInCharacters(TRegistryFixture& f) {
  std::string wide255;
  for (int i = 0; i < 255; ++i) wide255 += kHiraA;  // 510 bytes
  const std::string long257(257, 'x');
  TRegistry r(f.Store());
  ASSERT_TRUE(r.OpenKey(Abs(f), false));
  // Below the open key, so that the path is the name alone.
  ASSERT_TRUE(r.OpenKey(wide255, true));
  ASSERT_TRUE(r.OpenKey(Abs(f), false));
  EXPECT_FALSE(r.OpenKey(long257, true));
  EXPECT_FALSE(HasKey(f, Sub(f, long257)));
  // The longest name is counted in characters; listing still gets it whole.
  ASSERT_TRUE(r.OpenKey(Abs(f), false));
  TStringList names;
  r.GetKeyNames(names);
  EXPECT_EQ(names.Items(), std::vector<AnsiString>{wide255});
}

void KeyDeletedWhileOpenFailsEveryWrite(TRegistryFixture& f) {
  f.PutValue(Sub(f, "Gone"), "V", reg::kDword, {1, 0, 0, 0});
  PutKey(f, Sub(f, "Gone\\Sub"));
  TRegistry r(f.Store());
  ASSERT_TRUE(r.OpenKey(Abs(f, "Gone"), false));
  f.DeleteKey(Sub(f, "Gone"));
  ExpectRaises([&] { r.WriteString("W", "x"); }, Msg::RegSetDataFailed, "W");
  ExpectRaises([&] { r.WriteInteger("W", 1); }, Msg::RegSetDataFailed, "W");
  ExpectRaises([&] { r.ReadInteger("V"); }, Msg::RegGetDataFailed, "V");
  EXPECT_EQ(r.ReadString("V"), "");
  EXPECT_FALSE(r.OpenKey("Sub", false));
  EXPECT_FALSE(r.OpenKey("New", true));
  EXPECT_FALSE(HasKey(f, Sub(f, "Gone")));
}

// --- Subkey names -----------------------------------------------------------

std::vector<AnsiString> ListOf(TRegistryFixture& f, const std::string& rel) {
  TRegistry r(f.Store());
  TStringList names;
  names.Add("stale");
  if (r.OpenKey(Abs(f, rel), false)) r.GetKeyNames(names);
  return names.Items();
}

void SubkeysListInTheRegistrysOrder(TRegistryFixture& f) {
  for (const char* name : {"zed2", "B2", "c", "_x", "A", "a1", "b", "Zed"}) PutKey(f, Sub(f, std::string("K\\") + name));
  f.PutValue(Sub(f, "K"), "NotAKey", reg::kSz, Text("v"));
  EXPECT_EQ(ListOf(f, "K"), (std::vector<AnsiString>{"_x", "A", "a1", "b", "B2", "c", "Zed", "zed2"}));
}

void JapaneseSubkeysListInTheOrderOfTheirCharacters(TRegistryFixture& f) {
  // Held as UTF-16, they enumerate in its order, not Shift-JIS's.
  for (const std::string& name : {kHalfA, kNihon, kSofuto, kWideUpperA, kHiraA, std::string("z")})
    PutKey(f, Sub(f, "K\\" + name));
  EXPECT_EQ(ListOf(f, "K"), (std::vector<AnsiString>{"z", kHiraA, kSofuto, kNihon, kWideUpperA, kHalfA}));
}

void KeyWithoutSubkeysListsNothing(TRegistryFixture& f) {
  f.PutValue(Sub(f, "Leaf"), "V", reg::kSz, Text("v"));
  EXPECT_EQ(ListOf(f, "Leaf"), std::vector<AnsiString>{});
}

void SubkeyCountThatCannotBeHadListsNothing(TRegistryFixture& f) {
  PutKey(f, Sub(f, "K\\One"));
  TRegistry r(f.Store());
  ASSERT_TRUE(r.OpenKey(Abs(f, "K"), false));
  f.DeleteKey(Sub(f, "K"));
  TStringList names;
  names.Add("stale");
  r.GetKeyNames(names);
  EXPECT_EQ(names.Count(), 0);
}

// --- Japanese text ----------------------------------------------------------

void JapaneseTextRoundTrips(TRegistryFixture& f) {
  const std::string text = kNihongo + kKanaHalf + kSofuto + kNou + " ok";
  const std::string path = kSofuto + "\\" + kHyouji;  // trail bytes 0x5C are no separators
  {
    TRegistry r(f.Store());
    ASSERT_TRUE(r.OpenKey(Abs(f, path), true));
    r.WriteString(kNamae, text);
    EXPECT_EQ(r.ReadString(kNamae), text);
  }
  EXPECT_EQ(SubKeyNames(f, f.Root()), std::vector<std::string>{kSofuto});
  EXPECT_EQ(SubKeyNames(f, Sub(f, kSofuto)), std::vector<std::string>{kHyouji});
  EXPECT_EQ(RawValue(f, Sub(f, path), kNamae), std::optional<TRaw>(TRaw{reg::kSz, Text(text)}));
  // Put by another program without its terminating zero.
  f.PutValue(Sub(f, path), "Bare", reg::kSz, Bytes(kNihongo));
  TRegistry r(f.Store());
  ASSERT_TRUE(r.OpenKey(Abs(f, path), false));
  EXPECT_EQ(r.ReadString("Bare"), kNihongo);
}

TBytes Filled(std::size_t n, std::uint8_t byte) { return TBytes(n, byte); }

}  // namespace

const std::vector<TContractCase>& ContractCases() {
  using reg::kBinary, reg::kDword, reg::kExpandSz, reg::kMultiSz, reg::kNone, reg::kQword, reg::kSz;
  static const std::vector<TContractCase> cases{
      {"OpenMissingKeyFailsAndKeepsTheOpenKey", OpenMissingKeyFailsAndKeepsTheOpenKey},
      {"OpenWithCreatingMakesEveryKeyOnThePath", OpenWithCreatingMakesEveryKeyOnThePath},
      {"AbsolutePathsStartAtTheRootOthersBelowTheOpenKey", AbsolutePathsStartAtTheRootOthersBelowTheOpenKey},
      {"CloseKeyClosesOnceAndRelativePathsStartAtTheRootAgain", CloseKeyClosesOnceAndRelativePathsStartAtTheRootAgain},
      {"NamesAreComparedWithoutLetterCase", NamesAreComparedWithoutLetterCase},
      {"KeyThatRefusesFullAccessCountsAsMissing", KeyThatRefusesFullAccessCountsAsMissing},
      {"KeyNamesHaveTheirLimitsInCharacters", KeyNamesHaveTheirLimitsInCharacters},
      {"KeyDeletedWhileOpenFailsEveryWrite", KeyDeletedWhileOpenFailsEveryWrite},

      ReadsString("Absent", kAbsent, ""),
      ReadsString("EmptySz", TStored{kSz, {}}, ""),
      ReadsString("OnlyTheZero", TStored{kSz, {0}}, ""),
      ReadsString("Terminated", TStored{kSz, Text("abc")}, "abc"),
      ReadsString("WithoutZeroGivesAllData", TStored{kSz, Bytes("abc")}, "abc"),
      ReadsString("ZeroInsideEndsIt", TStored{kSz, Bytes(std::string("ab\0cd\0", 6))}, "ab"),
      ReadsString("ExpandSzIsNotExpanded", TStored{kExpandSz, Text("%WINDIR%\\x")}, "%WINDIR%\\x"),
      ReadsString("LongerThanTheFirstBuffer", TStored{kSz, Text(std::string(300, 'q'))}, std::string(300, 'q')),
      ReadsString("HundredKilobytesWithoutZero", TStored{kSz, Filled(100000, 'm')}, std::string(100000, 'm')),
      ReadsString("OtherTypeWithoutData", TStored{kBinary, {}}, ""),
      ReadsString("NoneWithoutData", TStored{kNone, {}}, ""),
      ReadStringFails("Dword", TStored{kDword, {1, 0, 0, 0}}, Msg::InvalidRegType),
      ReadStringFails("ShortBinary", TStored{kBinary, {'a', 'b'}}, Msg::InvalidRegType),
      ReadStringFails("BinaryLongerThanTheFirstBuffer", TStored{kBinary, Filled(300, 'a')}, Msg::InvalidRegType),
      ReadStringFails("MultiSz", TStored{kMultiSz, Bytes(std::string("a\0b\0\0", 5))}, Msg::InvalidRegType),

      ReadIntegerFails("Absent", kAbsent, Msg::RegGetDataFailed),
      ReadsInteger("Dword", TStored{kDword, {0x78, 0x56, 0x34, 0x12}}, 0x12345678),
      ReadsInteger("NegativeDword", TStored{kDword, {0xFE, 0xFF, 0xFF, 0xFF}}, -2),
      ReadsInteger("DwordOfTwoBytesFillsTheLowBytes", TStored{kDword, {0x01, 0x02}}, 0x0201),
      ReadIntegerFails("SzOfFourBytes", TStored{kSz, Text("abc")}, Msg::InvalidRegType),
      ReadIntegerFails("SzOfFiveBytes", TStored{kSz, Text("abcd")}, Msg::RegGetDataFailed),
      ReadIntegerFails("BinaryOfFourBytes", TStored{kBinary, {1, 0, 0, 0}}, Msg::InvalidRegType),
      ReadIntegerFails("BinaryOfEightBytes", TStored{kBinary, Filled(8, 1)}, Msg::RegGetDataFailed),
      ReadIntegerFails("Qword", TStored{kQword, Filled(8, 0)}, Msg::RegGetDataFailed),

      ReadsBinary("Absent", kAbsent, 0, kBufferBefore),
      ReadsBinary("TwoBytesReplaceTheFirstTwo", TStored{kBinary, {0x01, 0x00}}, 2, {0x01, 0x00, 0xCC, 0xDD}),
      ReadsBinary("FourBytes", TStored{kBinary, {1, 2, 3, 4}}, 4, {1, 2, 3, 4}),
      ReadsBinary("NoData", TStored{kBinary, {}}, 0, kBufferBefore),
      ReadBinaryFails("FiveBytes", TStored{kBinary, Filled(5, 1)}),
      ReadBinaryFails("EightBytes", TStored{kBinary, Filled(8, 1)}),
      ReadBinaryFails("Dword", TStored{kDword, {1, 0, 0, 0}}),
      ReadBinaryFails("ShortSz", TStored{kSz, Text("ab")}),
      ReadBinaryFails("OneByteSzWithoutZero", TStored{kSz, Bytes("a")}),

      Writes("StringCreates", TWrite::String, kAbsent),
      Writes("StringReplacesADword", TWrite::String, TStored{kDword, {7, 0, 0, 0}}),
      Writes("IntegerReplacesAString", TWrite::Integer, TStored{kSz, Text("12")}),
      Writes("IntegerReplacesEightBytes", TWrite::Integer, TStored{kBinary, Filled(8, 9)}),
      Writes("BinaryReplacesAString", TWrite::Binary, TStored{kSz, Text("on")}),
      Writes("BinaryReplacesADword", TWrite::Binary, TStored{kDword, {0, 0, 0, 0}}),
      WriteRefused("StringRefused", TWrite::String),
      WriteRefused("IntegerRefused", TWrite::Integer),
      WriteRefused("BinaryRefused", TWrite::Binary),

      {"SubkeysListInTheRegistrysOrder", SubkeysListInTheRegistrysOrder},
      {"JapaneseSubkeysListInTheOrderOfTheirCharacters", JapaneseSubkeysListInTheOrderOfTheirCharacters},
      {"KeyWithoutSubkeysListsNothing", KeyWithoutSubkeysListsNothing},
      {"SubkeyCountThatCannotBeHadListsNothing", SubkeyCountThatCannotBeHadListsNothing},
      {"JapaneseTextRoundTrips", JapaneseTextRoundTrips},
  };
  return cases;
}

}  // namespace contract
