#include "app/Reader.h"

#include <windows.h>

#include <algorithm>
#include <new>
#include <stdexcept>

#include "app/LineBreaks.h"
#include "toolkit/Exception.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
constexpr char kCapacity[] = "Text exceeds memo capacity";

const TLeadByteTable& SystemLeadBytes() {
  static const TLeadByteTable table = [] {
    TLeadByteTable t{};
    CPINFO info{};
    if (GetCPInfo(CP_ACP, &info) && info.MaxCharSize > 1)
      for (int b = 0; b < 256; ++b) t[static_cast<size_t>(b)] = IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(b)) != 0;
    return t;
  }();
  return table;
}

// The whole file in one buffer; others may read it meanwhile, nobody may write it.
std::string ReadWholeFile(const std::string& path) {
  UniqueFile file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) throw Exception("Cannot open file " + path);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) throw Exception("Cannot open file " + path);
  std::string buffer;
  // A size the address space cannot hold (a 32-bit build) must not wrap around.
  if (static_cast<unsigned long long>(size.QuadPart) > buffer.max_size()) throw std::length_error("file size");
  buffer.resize(static_cast<size_t>(size.QuadPart));
  // One buffer; a single ReadFile takes at most 4 GiB, so very large files arrive in pieces.
  size_t done = 0;
  while (done < buffer.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(buffer.size() - done, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer.data() + done, chunk, &got, nullptr)) throw Exception("Cannot open file " + path);
    if (got == 0) break;
    done += got;
  }
  buffer.resize(done);
  return buffer;
}
}  // namespace

TReader::TReader(TComponent* owner, TControl* parent) : TMemo(owner, parent) {}

void TReader::LoadFromFile(const std::string& path) {
  // Whatever runs out of room on the way, the view cannot take this text.
  try {
    Load(path);
  } catch (const std::bad_alloc&) {
    throw Exception(kCapacity);
  } catch (const std::length_error&) {
    throw Exception(kCapacity);
  } catch (const std::range_error&) {
    throw Exception(kCapacity);
  }
}

void TReader::Load(const std::string& path) {
  std::string text = ReadWholeFile(path);
  NormalizeLineBreaks(text, SystemLeadBytes());
  // What would be shown is compared with what is: a file with a zero byte is
  // otherwise set into the view again on every click.
  CutAtFirstZero(text);
  if (text == shown_) {
    Repaint();
    return;
  }
  SetLockDrawing(true);
  struct Unlock {
    TReader* r;
    ~Unlock() { r->SetLockDrawing(false); }
  } unlock{this};
  const std::wstring wide = AnsiToWide(text);
  if (!SetTextW(wide)) {
    SetTextW(AnsiToWide(shown_));
    throw Exception(kCapacity);
  }
  shown_.swap(text);
  SendMessageW(Handle(), EM_SETSEL, 0, 0);
  SendMessageW(Handle(), EM_SCROLLCARET, 0, 0);
  Change();
}

void TReader::TextLost() {
  // The view is empty now: a click on the same file must show it again.
  shown_.clear();
  TMemo::TextLost();
}

void TReader::Clear() {
  TMemo::Clear();
  shown_.clear();
}

void TReader::Collapse() { SetSelLength(0); }
