#include "RealProgram.h"

#include <gtest/gtest.h>

#include "UiProbe.h"

std::wstring ProgramPath;

LRESULT SendWaiting(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  DWORD_PTR result = 0;
  EXPECT_NE(SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_NORMAL, 15000, &result), 0)
      << "the program did not answer message " << msg;
  return static_cast<LRESULT>(result);
}

namespace real {

namespace {

HKEY Create(const std::string& path) {
  HKEY key = nullptr;
  EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS)
      << path;
  return key;
}

void Set(const std::string& path, const std::string& name, DWORD type, const BYTE* data, DWORD size) {
  HKEY key = Create(path);
  EXPECT_EQ(RegSetValueExA(key, name.c_str(), 0, type, data, size), ERROR_SUCCESS) << path << " " << name;
  RegCloseKey(key);
}

}  // namespace

void DeleteTree(const std::string& path) { RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str()), RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str()); }

void PutKey(const std::string& path) { RegCloseKey(Create(path)); }

void PutString(const std::string& path, const std::string& name, const std::string& text) {
  Set(path, name, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(text.size() + 1));
}

void PutDword(const std::string& path, const std::string& name, DWORD value) {
  Set(path, name, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

void PutBinary(const std::string& path, const std::string& name, const std::vector<BYTE>& bytes) {
  Set(path, name, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
}

bool Get(const std::string& path, const std::string& name, DWORD* type, std::vector<BYTE>* data) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  DWORD size = 0;
  LONG rc = RegQueryValueExA(key, name.c_str(), nullptr, type, nullptr, &size);
  if (rc == ERROR_SUCCESS) {
    data->resize(size);
    rc = RegQueryValueExA(key, name.c_str(), nullptr, type, data->data(), &size);
    data->resize(size);
  }
  RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

std::string GetString(const std::string& path, const std::string& name) {
  DWORD type = 0;
  std::vector<BYTE> data;
  if (!Get(path, name, &type, &data)) return "<absent>";
  std::string s(data.begin(), data.end());
  while (!s.empty() && s.back() == '\0') s.pop_back();
  return s;
}

std::string Query(const std::string& path) {
  SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  CreatePipe(&read, &write, &sa, 0);
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = write;
  si.hStdError = write;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  std::string cmd = "reg.exe query \"HKCU\\" + path + "\" /s";
  PROCESS_INFORMATION pi{};
  const BOOL started = CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                      nullptr, &si, &pi);
  CloseHandle(write);
  std::string out;
  char buffer[4096];
  DWORD got = 0;
  while (started && ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0) out.append(buffer, got);
  CloseHandle(read);
  if (started) {
    WaitForSingleObject(pi.hProcess, 20000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  EXPECT_TRUE(started) << cmd;
  return out;
}

}  // namespace real

TProgram::TProgram() {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  std::wstring cmd = L"\"" + ProgramPath + L"\"";
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_)) {
    ADD_FAILURE() << "cannot start the program";
    return;
  }
  WaitForInputIdle(pi_.hProcess, 20000);
  form_ = WaitForWindow(pi_.dwProcessId, L"TForm1", L"Orvik v4.011 for Quendle", 20000);
  EXPECT_NE(form_, nullptr) << "no main window";
}

TProgram::~TProgram() {
  if (!pi_.hProcess) return;
  if (WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(pi_.hProcess, 1);
  WaitForSingleObject(pi_.hProcess, 10000);
  CloseHandle(pi_.hThread);
  CloseHandle(pi_.hProcess);
}

HWND TProgram::At(int x, int y) const {
  HWND child = form_ ? ChildAt(form_, x, y) : nullptr;
  EXPECT_NE(child, nullptr) << "no control at " << x << "," << y;
  return child;
}

int TProgram::Wait(DWORD ms) {
  if (WaitForSingleObject(pi_.hProcess, ms) != WAIT_OBJECT_0) return -1;
  DWORD code = 1;
  GetExitCodeProcess(pi_.hProcess, &code);
  return static_cast<int>(code);
}
