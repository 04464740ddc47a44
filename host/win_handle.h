// Owners of the Win32 resources every module's shell acquires, all built on
// the one template of host/owner.h: kernel handles, loaded libraries, GDI
// objects and DCs, heap blocks. Win32 only.
#pragma once

#include <windows.h>

#include <atomic>

#include "host/owner.h"

namespace kv {

// A kernel handle (file, event, mutex, thread, process, mapping), closed when
// it goes away. CreateFile fails with INVALID_HANDLE_VALUE and most others
// with null: both mean "no handle" and are held as null.
struct KernelHandleTraits {
  using Handle = HANDLE;
  static constexpr Handle Null() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Release(Handle h) { CloseHandle(h); }
};
using KernelHandle = Owner<KernelHandleTraits>;

// A search from FindFirstFile, closed with FindClose; a failed search
// (INVALID_HANDLE_VALUE) is held as null.
struct FindHandleTraits {
  using Handle = HANDLE;
  static constexpr Handle Null() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Release(Handle h) { FindClose(h); }
};
using FindHandle = Owner<FindHandleTraits>;

// A library from LoadLibrary, freed when it goes away.
struct LibraryTraits {
  using Handle = HMODULE;
  static constexpr Handle Null() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr; }
  static void Release(Handle h) { FreeLibrary(h); }
};
class Library : public Owner<LibraryTraits> {
 public:
  using Owner::Owner;
  // The named export as a function pointer of type Fn; null when the library
  // is not loaded or has no such export.
  template <typename Fn>
  Fn Export(const char* name) const {
    return get() ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(get(), name))) : nullptr;
  }
};

// GDI objects and DCs held by the owners below, in this module. A test build
// reads it to find leaks (Wine's GetGuiResources always answers 0).
namespace gdi {
inline std::atomic<long> g_live{0};
inline long LiveObjects() { return g_live.load(); }
}  // namespace gdi

struct GdiCounted {
  static void Counted(int delta) { gdi::g_live += delta; }
};

// A bitmap, font, brush, pen or region, deleted with DeleteObject.
template <class H>
struct GdiObjectTraits : GdiCounted {
  using Handle = H;
  static constexpr Handle Null() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr; }
  static void Release(Handle h) { DeleteObject(h); }
};
template <class H>
using GdiObject = Owner<GdiObjectTraits<H>>;
using Bitmap = GdiObject<HBITMAP>;
using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Region = GdiObject<HRGN>;

// A memory DC, deleted with DeleteDC.
struct MemoryDcTraits : GdiCounted {
  using Handle = HDC;
  static constexpr Handle Null() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr; }
  static void Release(Handle h) { DeleteDC(h); }
};
class MemoryDc : public Owner<MemoryDcTraits> {
 public:
  MemoryDc() = default;
  explicit MemoryDc(HDC compatibleWith) : Owner(CreateCompatibleDC(compatibleWith)) {}
};

// A DC of a window (or of the screen for a null window), released with ReleaseDC.
struct WindowDcHandle {
  HWND window = nullptr;
  HDC dc = nullptr;
};
struct WindowDcTraits : GdiCounted {
  using Handle = WindowDcHandle;
  static constexpr Handle Null() { return {}; }
  static bool Valid(const Handle& h) { return h.dc != nullptr; }
  static void Release(const Handle& h) { ReleaseDC(h.window, h.dc); }
};
class WindowDc : public Owner<WindowDcTraits> {
 public:
  WindowDc() = default;
  explicit WindowDc(HWND window) : Owner(WindowDcHandle{window, GetDC(window)}) {}
  HDC dc() const { return get().dc; }
};

// An object selected into a DC; the previous one is selected back. Not for
// regions, whose selection answers a region type instead of a handle.
struct SelectionHandle {
  HDC dc = nullptr;
  HGDIOBJ previous = nullptr;
};
struct SelectionTraits {
  using Handle = SelectionHandle;
  static constexpr Handle Null() { return {}; }
  static bool Valid(const Handle& h) { return h.dc != nullptr && h.previous != nullptr; }
  static void Release(const Handle& h) { SelectObject(h.dc, h.previous); }
};
class Selection : public Owner<SelectionTraits> {
 public:
  Selection() = default;
  Selection(HDC dc, HGDIOBJ object)
      : Owner(SelectionHandle{dc, dc && object ? SelectObject(dc, object) : nullptr}) {}
};

// A block from a heap of this process, given back with HeapFree.
struct HeapBlockHandle {
  HANDLE heap = nullptr;
  void* block = nullptr;
};
struct HeapBlockTraits {
  using Handle = HeapBlockHandle;
  static constexpr Handle Null() { return {}; }
  static bool Valid(const Handle& h) { return h.heap != nullptr && h.block != nullptr; }
  static void Release(const Handle& h) { HeapFree(h.heap, 0, h.block); }
};
class HeapBlock : public Owner<HeapBlockTraits> {
 public:
  HeapBlock() = default;
  HeapBlock(HANDLE heap, SIZE_T bytes) : Owner(HeapBlockHandle{heap, heap ? HeapAlloc(heap, 0, bytes) : nullptr}) {}
  void* data() const { return get().block; }
};

}  // namespace kv
