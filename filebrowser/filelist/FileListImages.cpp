// The file list's icons: the shell's system image lists, and the parent entry's picture
// appended to them once and found again by later starts through the registry.
#include "filebrowser/filelist/FileListView.h"

#include <commoncontrols.h>
#include <shellapi.h>

#include <vector>

#include "toolkit/Application.h"

namespace {
constexpr wchar_t kRegistryKey[] = L"Software\\Varnholt\\DqFileExplorer";
constexpr wchar_t kParentIndexValue[] = L"ParentImgIdx";
constexpr COLORREF kMaskColor = RGB(255, 0, 255);

HIMAGELIST SystemImageList(UINT sizeFlag) {
  SHFILEINFOW sfi{};
  // Only the list is wanted: told not to look at the disk, the shell does not inspect the
  // current directory, which in a folder of 100,000 files costs a scan of it.
  constexpr UINT kFlags = SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES;
  return reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(L"", 0, &sfi, sizeof sfi, kFlags | sizeFlag));
}

UniqueBitmap LoadBitmapResource(const wchar_t* name) {
  return UniqueBitmap(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, 0)));
}

// Appends the bitmap with its magenta parts transparent; -1 when that fails.
int AppendBitmap(HIMAGELIST list, const wchar_t* name) {
  if (!list) return -1;
  UniqueBitmap bitmap = LoadBitmapResource(name);
  if (!bitmap) return -1;
  return ImageList_AddMasked(list, bitmap.get(), kMaskColor);
}

// The shell gives an icon one index for all of its system lists, so a picture appended to
// the two the list shows must be appended to the others as well: otherwise the shell's
// next icon is given the parent picture's index. Lists that lag get copies of the picture.
void KeepShellListsInStep(HIMAGELIST from, int index) {
  if (!from || index < 0) return;
  UniqueIcon icon(ImageList_GetIcon(from, index, ILD_TRANSPARENT));
  if (!icon) return;
  for (int which = 0; which <= SHIL_JUMBO; ++which) {
    IImageList* raw = nullptr;
    if (FAILED(SHGetImageList(which, __uuidof(IImageList), reinterpret_cast<void**>(&raw))) || !raw) continue;
    // Borrowed: the shell keeps its system lists for the life of the process.
    auto list = reinterpret_cast<HIMAGELIST>(raw);
    while (ImageList_GetImageCount(list) <= index && ImageList_ReplaceIcon(list, -1, icon.get()) >= 0) {
    }
    raw->Release();
  }
}

// The pixels of one image drawn on a fixed background.
std::vector<unsigned char> DrawnPixels(HIMAGELIST list, int index) {
  int cx = 0, cy = 0;
  ImageList_GetIconSize(list, &cx, &cy);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = cx;
  bi.bmiHeader.biHeight = cy;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  UniqueBitmap dib(CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  std::vector<unsigned char> pixels;
  if (dc && dib && bits) {
    {
      SelectGuard select(dc, dib.get());
      RECT all{0, 0, cx, cy};
      FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      ImageList_Draw(list, index, dc, 0, 0, ILD_NORMAL);
      GdiFlush();
    }
    const auto* p = static_cast<const unsigned char*>(bits);
    pixels.assign(p, p + static_cast<std::size_t>(cx) * static_cast<std::size_t>(cy) * 4);
  }
  if (dc) DeleteDC(dc);
  return pixels;
}
}  // namespace

void TDqFilelistView28::CreateImageLists() {
  parentImageIndex_ = -1;
  HIMAGELIST large = SystemImageList(SHGFI_LARGEICON);
  HIMAGELIST small = SystemImageList(SHGFI_SMALLICON);
  // Attached first: LoadParentImages and IsParentImageAt work on the attached lists.
  SetLargeImages(large);
  SetSmallImages(small);

  HKEY raw = nullptr;
  UniqueRegKey key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kRegistryKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
                      &raw, nullptr) == ERROR_SUCCESS)
    key.reset(raw);

  DWORD type = 0, stored = 0, size = sizeof stored;
  const bool recorded = key &&
                        RegQueryValueExW(key.get(), kParentIndexValue, nullptr, &type, reinterpret_cast<BYTE*>(&stored),
                                         &size) == ERROR_SUCCESS &&
                        type == REG_DWORD && size == sizeof stored;
  if (recorded) {
    const int index = static_cast<int>(stored);
    if (large && index >= 0 && index <= ImageList_GetImageCount(large) - 1 && IsParentImageAt(index))
      parentImageIndex_ = index;
  }
  if (parentImageIndex_ < 0) {
    LoadParentImages();
    // A value that is not a 32-bit number is replaced like a missing one.
    if (key) {
      const DWORD value = static_cast<DWORD>(parentImageIndex_);
      RegSetValueExW(key.get(), kParentIndexValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                     sizeof value);
    }
  }
  MarkStart("list image lists");
}

void TDqFilelistView28::LoadParentImages() {
  const int index = AppendBitmap(LargeImages(), L"Parent_L282");
  AppendBitmap(SmallImages(), L"Parent_S282");
  // The system lists grow in step, so the same index serves both.
  KeepShellListsInStep(LargeImages(), index);
  parentImageIndex_ = index;
}

bool TDqFilelistView28::IsParentImageAt(int index) const {
  HIMAGELIST large = LargeImages();
  if (!large || index < 0 || index >= ImageList_GetImageCount(large)) return false;
  const std::vector<unsigned char> present = DrawnPixels(large, index);
  const int fresh = AppendBitmap(large, L"Parent_L282");
  if (fresh < 0) return false;
  const std::vector<unsigned char> wanted = DrawnPixels(large, fresh);
  ImageList_Remove(large, fresh);
  return !present.empty() && present == wanted;
}
