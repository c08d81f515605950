#pragma once
// Owners of the GDI objects that the windows use: deleted with their owner,
// never before the window that shows them.

#include <windows.h>

#include <utility>

template <class H>
class TGdiObject {
 public:
  TGdiObject() = default;
  explicit TGdiObject(H handle) : handle_(handle) {}
  TGdiObject(TGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  TGdiObject& operator=(TGdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;
  ~TGdiObject() { Reset(); }

  H Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset() {
    if (handle_) DeleteObject(handle_);
    handle_ = nullptr;
  }

 private:
  H handle_ = nullptr;
};

using TFontHandle = TGdiObject<HFONT>;
using TBitmapHandle = TGdiObject<HBITMAP>;
using TBrushHandle = TGdiObject<HBRUSH>;

// Selects an object into a device context for one scope.
class TSelectObject {
 public:
  TSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~TSelectObject() { SelectObject(dc_, old_); }
  TSelectObject(const TSelectObject&) = delete;
  TSelectObject& operator=(const TSelectObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A memory device context for one scope.
class TMemoryDc {
 public:
  explicit TMemoryDc(HDC like) : dc_(CreateCompatibleDC(like)) {}
  ~TMemoryDc() {
    if (dc_) DeleteDC(dc_);
  }
  TMemoryDc(const TMemoryDc&) = delete;
  TMemoryDc& operator=(const TMemoryDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};
