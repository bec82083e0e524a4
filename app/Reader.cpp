#include "app/Reader.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <new>
#include <stdexcept>
#include <string_view>

#include "app/LineBreaks.h"
#include "toolkit/Application.h"
#include "toolkit/Exception.h"
#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
constexpr char kCapacity[] = "Text exceeds memo capacity";
// Files up to this size arrive in one read; larger ones in pieces of it, each handed
// to the view before the next is read, so the text is never held twice.
constexpr std::size_t kPiece = std::size_t{16} << 20;
// Mended line breaks are copied through a block of this size.
constexpr std::size_t kBlock = std::size_t{1} << 20;

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

// Where the normalised text goes: compared with what the view shows as long as it
// matches, then into a new text of the view's, which takes what matched from the old.
class TTextSink {
 public:
  explicit TTextSink(TMemo& memo) : memo_(memo), shown_(static_cast<std::size_t>(memo.TextLength())) {}

  // How long the whole text is expected to become, the room a new text starts with, and
  // how long it may become at most.
  void Expect(std::size_t bytes, std::size_t atMost) {
    expected_ = bytes;
    atMost_ = atMost;
  }

  void Put(std::string_view bytes) {
    if (!loader_) {
      if (bytes.size() <= shown_ - matched_ && Matches(bytes)) {
        matched_ += bytes.size();
        return;
      }
      Start();
    }
    if (!loader_->Add(bytes)) throw Exception(kCapacity);
  }

  // True when the text is the one shown; otherwise the view shows the new text.
  bool Finish() {
    if (!loader_ && matched_ == shown_) return true;
    if (!loader_) Start();
    if (!memo_.Commit(std::move(loader_))) throw Exception(kCapacity);
    return false;
  }

 private:
  // The shown text is read where it lies, part by part, never gathered into one place:
  // gathering it would take a second copy of it.
  template <class Visit>
  void ForEachShownPart(std::size_t at, std::size_t length, Visit visit) const {
    for (std::size_t done = 0; done < length;) {
      const std::string_view part =
          memo_.BytesAt(static_cast<std::int64_t>(at + done), static_cast<std::int64_t>(length - done));
      if (part.empty()) throw Exception(kCapacity);
      if (!visit(part, done)) return;
      done += part.size();
    }
  }

  bool Matches(std::string_view bytes) const {
    bool same = true;
    ForEachShownPart(matched_, bytes.size(), [&](std::string_view part, std::size_t done) {
      same = std::memcmp(part.data(), bytes.data() + done, part.size()) == 0;
      return same;
    });
    return same;
  }

  void Start() {
    loader_ = memo_.BeginText(std::max(expected_, matched_), atMost_);
    if (!loader_) throw Exception(kCapacity);
    // What matched so far is the view's own bytes: no copy of ours holds it.
    ForEachShownPart(0, matched_, [&](std::string_view part, std::size_t) {
      if (!loader_->Add(part)) throw Exception(kCapacity);
      return true;
    });
  }

  TMemo& memo_;
  std::size_t shown_;
  std::size_t matched_ = 0;
  std::size_t expected_ = 0;
  std::size_t atMost_ = 0;
  std::unique_ptr<TMemo::TTextLoader> loader_;
};
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
  // Others may read the file meanwhile, nobody may write it.
  UniqueFile file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) throw Exception("Cannot open file " + path);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) throw Exception("Cannot open file " + path);
  auto left = static_cast<unsigned long long>(size.QuadPart);
  const TLeadByteTable& lead = SystemLeadBytes();
  // A file read in pieces takes long enough to be seen.
  std::optional<THourglass> wait;
  if (left > kPiece) wait.emplace();

  // One byte more: a CR or a lead byte held back from the piece before.
  std::string piece(static_cast<std::size_t>(std::min<unsigned long long>(left, kPiece)) + 1, '\0');
  std::string block;
  TTextSink sink(*this);
  std::size_t carried = 0, produced = 0;
  for (bool last = false; !last;) {
    const auto want = static_cast<std::size_t>(std::min<unsigned long long>(left, kPiece));
    std::size_t got = 0;
    while (got < want) {
      DWORD n = 0;
      if (!ReadFile(file.get(), piece.data() + carried + got, static_cast<DWORD>(want - got), &n, nullptr))
        throw Exception("Cannot open file " + path);
      if (n == 0) break;
      got += n;
    }
    left -= got;
    last = left == 0 || got < want;
    std::string_view text(piece.data(), carried + got);
    // The view shows what comes before the first zero byte: nothing after it is read.
    if (const void* nul = std::memchr(text.data(), 0, text.size())) {
      text = text.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - text.data()));
      last = true;
    }
    const TPieceScan scan = ScanPiece(text, lead, last);
    const std::string_view complete = text.substr(0, scan.complete);
    // The rest of the file is expected to mend as many breaks per byte as this piece did.
    const double growth = complete.empty() ? 1.0 : 1.0 + static_cast<double>(scan.lone) / complete.size();
    produced += complete.size() + scan.lone;
    // Every byte still to come may become two: the most the text can grow to.
    const auto rest = static_cast<std::size_t>(left) + (text.size() - complete.size());
    sink.Expect(produced + (last ? 0 : static_cast<std::size_t>(static_cast<double>(left) * growth) + 4096),
                produced + (last ? 0 : 2 * rest));
    if (scan.lone == 0) {
      sink.Put(complete);
    } else {
      block.resize(kBlock);
      for (std::size_t from = 0; from < complete.size();)
        sink.Put(std::string_view(block.data(), NormalizeInto(complete, from, lead, block.data(), block.size())));
    }
    carried = text.size() - complete.size();
    if (carried) std::memmove(piece.data(), piece.data() + complete.size(), carried);
  }
  file.reset();
  block = std::string();
  piece = std::string();

  SetLockDrawing(true);
  struct Unlock {
    TReader* r;
    ~Unlock() { r->SetLockDrawing(false); }
  } unlock{this};
  if (sink.Finish()) return;  // unchanged: caret, selection and scroll position stay
  Change();
}

void TReader::Collapse() { SetSelLength(0); }
