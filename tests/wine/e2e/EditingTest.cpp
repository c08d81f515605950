// Editing in the real window, through window messages as input makes them:
// keys into the lists and fields, clicks into the proxy field, the error
// box a person dismisses.

#include <gtest/gtest.h>

#include "RealProgram.h"
#include "UiProbe.h"

namespace {

constexpr POINT kQuendle{8, 4}, kLan{8, 36}, kDialup{8, 56}, kProxyField{84, 20}, kOK{252, 24},
    kMail{64, 204}, kPop3{84, 228}, kSmtp{84, 252}, kDialupList{24, 76};

const std::string kMail1 = std::string(real::Accounts) + "\\00000001";
const std::string kMail2 = std::string(real::Accounts) + "\\00000002";

void SeedTwoMailAccounts(const char* defaultMail) {
  for (const char* key : {real::Own, real::Iam, real::RemoteAccess}) real::DeleteTree(key);
  real::PutString(real::Iam, "Default Mail Account", defaultMail);
  real::PutString(kMail1, "Account Name", "First");
  real::PutString(kMail1, "POP3 Server", "pop1.example.jp");
  real::PutString(kMail1, "SMTP Server", "smtp1.example.jp");
  real::PutString(kMail2, "Account Name", "Second");
  real::PutString(kMail2, "POP3 Server", "pop2.example.jp");
  real::PutString(kMail2, "SMTP Server", "smtp2.example.jp");
  real::PutString(real::RemoteAccess, "InternetProfile", "Tokyo ISP");
  real::PutKey(std::string(real::RemoteAccess) + "\\Profile\\Tokyo ISP");
  real::PutKey(std::string(real::RemoteAccess) + "\\Profile\\Backup line");
  real::PutBinary(real::Internet, "EnableAutodial", {0, 0, 0, 0});
  real::PutDword(real::Own, "ConnectionType", 0);
}

// Posts input to a control of the program and waits until it is handled.
void Key(HWND control, WPARAM key) {
  PostMessageW(control, WM_KEYDOWN, key, 0);
  PostMessageW(control, WM_KEYUP, key, 0xC0000000);
  SendWaiting(control, WM_NULL);
}

void Type(HWND edit, const wchar_t* text) {
  for (const wchar_t* c = text; *c; ++c) {
    PostMessageW(edit, WM_CHAR, *c, 1);
    SendWaiting(edit, WM_NULL);
  }
}

void ClickInside(HWND control) {
  PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 8));
  PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(10, 8));
  SendWaiting(control, WM_NULL);
}

bool Checked(HWND radio) { return SendWaiting(radio, BM_GETCHECK) == BST_CHECKED; }

TEST(RealEditing, TypedServerStaysWithItsAccountAndReachesOnlyIt) {
  SeedTwoMailAccounts("00000001");
  TProgram program;
  ASSERT_NE(program.Form(), nullptr);
  HWND mail = program.At(kMail.x, kMail.y), smtp = program.At(kSmtp.x, kSmtp.y);
  EXPECT_TRUE(Eventually([&] { return TextOf(smtp) == L"smtp1.example.jp"; })) << U8(TextOf(smtp));
  Key(mail, VK_DOWN);  // the second account
  EXPECT_TRUE(Eventually([&] { return TextOf(smtp) == L"smtp2.example.jp"; })) << U8(TextOf(smtp));
  SendWaiting(smtp, EM_SETSEL, 0, -1);
  Type(smtp, L"mx.example.jp");
  Key(mail, VK_UP);
  EXPECT_TRUE(Eventually([&] { return TextOf(smtp) == L"smtp1.example.jp"; })) << U8(TextOf(smtp));
  Key(mail, VK_DOWN);
  EXPECT_TRUE(Eventually([&] { return TextOf(smtp) == L"mx.example.jp"; })) << U8(TextOf(smtp));
  Click(program.At(kOK.x, kOK.y));
  EXPECT_EQ(program.Wait(), 0);
  EXPECT_EQ(real::GetString(kMail2, "SMTP Server"), "mx.example.jp");
  EXPECT_EQ(real::GetString(kMail1, "SMTP Server"), "smtp1.example.jp");
  EXPECT_EQ(real::GetString(kMail2, "POP3 Server"), "pop2.example.jp");
}

TEST(RealEditing, ModeFollowsClicksIntoTheProxyFieldAndTheDialupList) {
  SeedTwoMailAccounts("00000001");
  TProgram program;
  ASSERT_NE(program.Form(), nullptr);
  HWND quendle = program.At(kQuendle.x, kQuendle.y), lan = program.At(kLan.x, kLan.y),
       dialup = program.At(kDialup.x, kDialup.y), proxy = program.At(kProxyField.x, kProxyField.y);
  ASSERT_TRUE(Checked(lan));
  // Input is handled in order: once a key typed after it shows, all that
  // came before it has been handled.
  int marks = 0;
  auto handled = [&] {
    const std::wstring mark(++marks, L'#');
    Type(proxy, L"#");
    return Eventually([&] { return TextOf(proxy).find(mark) != std::wstring::npos; });
  };
  // Moving into the field by keyboard, and typing, is no click.
  SendWaiting(program.Form(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(proxy), TRUE);
  SendWaiting(proxy, EM_SETSEL, 0, -1);
  Type(proxy, L"x");
  ASSERT_TRUE(handled());
  EXPECT_TRUE(Checked(lan));
  EXPECT_FALSE(Checked(quendle));
  ClickInside(proxy);
  EXPECT_TRUE(Eventually([&] { return Checked(quendle); }));
  EXPECT_FALSE(Checked(lan));
  ClickInside(proxy);  // a second click changes nothing
  ASSERT_TRUE(handled());
  EXPECT_TRUE(Checked(quendle));
  Key(program.At(kDialupList.x, kDialupList.y), VK_UP);  // "Tokyo ISP" is the last entry
  EXPECT_TRUE(Eventually([&] { return Checked(dialup); }));
  EXPECT_FALSE(Checked(quendle));
  EXPECT_FALSE(Checked(lan));
}

TEST(RealEditing, TypingWithNoMailAccountShowsTheListErrorOncePerKey) {
  SeedTwoMailAccounts("FFFFFFFF");  // no default: nothing selected
  TProgram program;
  ASSERT_NE(program.Form(), nullptr);
  HWND pop3 = program.At(kPop3.x, kPop3.y);
  for (wchar_t c : {L'a', L'b'}) {
    PostMessageW(pop3, WM_CHAR, c, 1);
    TMessageBox box = WaitForMessageBox(program.Pid(), 10000);
    ASSERT_NE(box.hwnd, nullptr) << "no error box";
    EXPECT_EQ(box.caption, L"Orvik for Quendle");
    EXPECT_EQ(box.text, W("ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています."));
    EXPECT_NE(box.icon, nullptr);
    Click(box.ok);
    for (int i = 0; i < 250 && IsWindow(box.hwnd); ++i) Sleep(20);
    EXPECT_FALSE(IsWindow(box.hwnd));
  }
  SendWaiting(pop3, WM_NULL);
  EXPECT_TRUE(Eventually([&] { return TextOf(pop3) == L"abPop3 Mail Server"; })) << U8(TextOf(pop3));  // the field keeps what was typed
  EXPECT_EQ(WaitForMessageBox(program.Pid(), 300).hwnd, nullptr);  // no box more than once a key
}

}  // namespace
