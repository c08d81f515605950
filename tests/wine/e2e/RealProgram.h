#pragma once
// Driving the real orvik.exe under Wine: seeding the real registry, starting
// the program, finding its window and controls, and reading the registry
// back with Wine's own reg.exe.

#include <windows.h>

#include <string>
#include <vector>

// Registry paths below HKEY_CURRENT_USER, without the leading backslash.
namespace real {
inline const char* const Own = "Software\\Quimbry\\Orvik";
inline const char* const Iam = "Software\\Microsoft\\Internet Account Manager";
inline const char* const Accounts = "Software\\Microsoft\\Internet Account Manager\\Accounts";
inline const char* const Internet = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
inline const char* const RemoteAccess = "RemoteAccess";

void DeleteTree(const std::string& path);
void PutString(const std::string& path, const std::string& name, const std::string& text);
void PutDword(const std::string& path, const std::string& name, DWORD value);
void PutBinary(const std::string& path, const std::string& name, const std::vector<BYTE>& bytes);
void PutKey(const std::string& path);
// Raw type and bytes of a value; false if it is absent.
bool Get(const std::string& path, const std::string& name, DWORD* type, std::vector<BYTE>* data);
std::string GetString(const std::string& path, const std::string& name);
// Everything below the key as Wine's "reg query /s" prints it.
std::string Query(const std::string& path);
}  // namespace real

// One run of orvik.exe.
class TProgram {
 public:
  TProgram();  // starts it and waits for its window
  ~TProgram();
  HWND Form() const { return form_; }
  // A windowed control by the top-left corner of its place in the form.
  HWND At(int x, int y) const;
  // Waits for the program to end; its exit code, or -1 on time-out.
  int Wait(DWORD ms = 20000);
  DWORD Pid() const { return pi_.dwProcessId; }

 private:
  PROCESS_INFORMATION pi_{};
  HWND form_ = nullptr;
};

// Sends a message to the program and waits for it to be handled, but never
// for ever: an unexpected error box would hold a plain SendMessage.
LRESULT SendWaiting(HWND hwnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0);
// Presses a button of the program as a click does.
inline void Click(HWND button) { SendWaiting(button, BM_CLICK); }

// Posted input is handled after sent messages, so a test waits for what the
// input must bring about: true once it holds, false after ms.
template <class Condition>
bool Eventually(Condition holds, DWORD ms = 5000) {
  for (DWORD waited = 0;; waited += 10) {
    if (holds()) return true;
    if (waited >= ms) return false;
    Sleep(10);
  }
}

// The program's own path (set from the command line by main).
extern std::wstring ProgramPath;
