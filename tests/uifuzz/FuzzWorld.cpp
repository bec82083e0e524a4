#include "tests/uifuzz/FuzzWorld.h"

#include <shlobj.h>

#include <algorithm>

#include "tests/win/support/TestFiles.h"
#include "toolkit/Utf.h"

namespace {
std::wstring W(const std::string& s) { return Widen(s); }

bool Put(const std::string& path, const std::string& bytes) {
  UniqueFile f(CreateFileW(W(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!f) return false;
  DWORD written = 0;
  return bytes.empty() || WriteFile(f.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// Reads the whole file however others hold it; false when it cannot be opened.
bool Get(const std::string& path, std::string& bytes) {
  UniqueFile f(CreateFileW(W(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, 0, nullptr));
  if (!f) return false;
  LARGE_INTEGER size{};
  GetFileSizeEx(f.get(), &size);
  bytes.assign(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD got = 0;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - at, 1 << 20));
    if (!ReadFile(f.get(), bytes.data() + at, chunk, &got, nullptr) || got == 0) break;
    at += got;
  }
  bytes.resize(at);
  return true;
}

void Walk(const std::string& folder, std::vector<std::string>* folders, std::vector<std::string>* files) {
  WIN32_FIND_DATAW fd;
  UniqueFind find(FindFirstFileW(W(folder + "*").c_str(), &fd));
  if (!find) return;
  std::vector<std::string> subs;
  do {
    const std::wstring name = fd.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::string full = folder + Narrow(name);
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      subs.push_back(full + "\\");
    else if (files)
      files->push_back(full);
  } while (FindNextFileW(find.get(), &fd));
  find.reset();
  std::sort(subs.begin(), subs.end());
  for (const std::string& sub : subs) {
    if (folders) folders->push_back(sub);
    Walk(sub, folders, files);
  }
}

std::string Without(std::string path) {
  if (path.size() > 3 && path.back() == '\\') path.pop_back();
  return path;
}

std::string Extension(const std::string& path) {
  const std::size_t dot = path.rfind('.'), slash = path.rfind('\\');
  return dot != std::string::npos && (slash == std::string::npos || dot > slash) ? path.substr(dot) : "";
}

std::string FolderOf(const std::string& path) { return path.substr(0, Without(path).rfind('\\') + 1); }

void Tell(LONG event, const std::string& a, const std::string& b = {}) {
  const std::wstring wa = W(Without(a)), wb = W(Without(b));
  SHChangeNotify(event, SHCNF_PATHW, wa.c_str(), b.empty() ? nullptr : wb.c_str());
}

// What another program writes: line ends of every kind, a zero byte, nothing at all.
const std::string& Pattern(int n) {
  static const std::string kPatterns[] = {
      "made by another program\r\n", "lf only\nlines\n", "cr\ronly\r", std::string("zero\0byte\r\n", 11), "",
      "\x82\xa0\x82\xa2 double-byte\r\n", "no line end at all"};
  return kPatterns[static_cast<std::size_t>(n) % std::size(kPatterns)];
}
}  // namespace

std::string LowerPath(const std::string& path) {
  std::wstring w = W(path);
  if (!w.empty()) CharLowerBuffW(w.data(), static_cast<DWORD>(w.size()));
  return Narrow(w);
}

bool PathWithin(const std::string& path, const std::string& folder) {
  const std::string p = LowerPath(Without(path)) + "\\", f = LowerPath(Without(folder)) + "\\";
  return p.compare(0, f.size(), f) == 0;
}

std::uint64_t HashBytes(const std::string& bytes) {
  std::uint64_t h = 1469598103934665603ull;
  for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
  return h ^ bytes.size();
}

std::string ReaderBytes(const std::string& fileBytes) {
  std::string out;
  out.reserve(fileBytes.size());
  for (std::size_t i = 0; i < fileBytes.size(); ++i) {
    const char c = fileBytes[i];
    if (c == '\0') break;
    if (c == '\r') {
      out += "\r\n";
      if (i + 1 < fileBytes.size() && fileBytes[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

TFuzzWorld::TFuzzWorld() { Make(); }

TFuzzWorld::~TFuzzWorld() { held_.clear(); }

void TFuzzWorld::Make() {
  const std::string& r = Root();
  for (const char* folder : {"Sub Folder", "Sub Folder\\deeper", "Sub Folder\\deeper\\deepest", "dotted.dir",
                             "\xc3\x96rdner \xc3\x9f", "empty folder"})
    CreateDirectoryW(W(r + folder).c_str(), nullptr);
  std::string big;
  for (int i = 0; big.size() < 3 * 1024 * 1024; ++i) big += "line " + std::to_string(i) + " of the big file\r\n";
  const std::pair<const char*, std::string> files[] = {
      {"lf.txt", "first line\nsecond line\nthird\n"},
      {"crlf.txt", "one\r\ntwo\r\nthree\r\n"},
      {"cr.log", "mac\rstyle\rlines\r"},
      {"mixed.ini", "[a]\r\nx=1\ny=2\r\r\n\n"},
      {"zero.txt", std::string("before\0after\r\n", 14)},
      {"dbcs.txt", "\x82\xa0\x82\xa2\r\n\x93\xfa\x96\x7b\n"},
      {"empty.txt", ""},
      {"big.log", big},
      {"name with spaces.txt", "spaces\r\n"},
      {"dots.in.the.name.txt", "dots\r\n"},
      {"gr\xc3\xbc\xc3\x9f" "e \xc3\xbc.txt", "non-ASCII name\r\n"},
      {"\xe6\x97\xa5\xe6\x9c\xac.txt", "beyond the code page\r\n"},
      {"hidden.bin", std::string("binary\0\x01", 8)},
      {"Sub Folder\\inner.txt", "inner\n"},
      {"Sub Folder\\deeper\\leaf.txt", "leaf\r"},
      {"Sub Folder\\deeper\\deepest\\end.csv", "a,b\r\n1,2\r\n"},
      {"dotted.dir\\a.b.c.txt", "abc"},
      {"\xc3\x96rdner \xc3\x9f\\\xc3\xbc.txt", "\xfc\r\n"},
  };
  for (const auto& [name, bytes] : files) Put(r + name, bytes);
}

TSnapshot TFuzzWorld::Snapshot() const {
  std::vector<std::string> files;
  Walk(Root(), nullptr, &files);
  TSnapshot snap;
  std::string bytes;
  for (const std::string& f : files) {
    if (!Get(f, bytes)) continue;
    snap[LowerPath(f)] = {f, HashBytes(bytes), bytes.size()};
  }
  return snap;
}

std::vector<std::string> TFuzzWorld::Folders() const {
  std::vector<std::string> folders{Root()};
  Walk(Root(), &folders, nullptr);
  return folders;
}

std::vector<std::string> TFuzzWorld::Files() const {
  std::vector<std::string> files;
  Walk(Root(), nullptr, &files);
  std::sort(files.begin(), files.end());
  return files;
}

std::string TFuzzWorld::FreshName(const std::string& folder, const std::string& stem, const std::string& ext) {
  for (;;) {
    const std::string path = folder + stem + " " + std::to_string(++counter_) + ext;
    if (GetFileAttributesW(W(path).c_str()) == INVALID_FILE_ATTRIBUTES) return path;
  }
}

namespace {
// A folder's times put back after a change inside it, as some programs and file systems leave them.
class TFolderTimeKept {
 public:
  TFolderTimeKept(const std::string& folder, bool keep) {
    if (!keep) return;
    folder_.reset(CreateFileW(W(Without(folder)).c_str(), FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (folder_) GetFileTime(folder_.get(), &created_, &accessed_, &written_);
  }
  ~TFolderTimeKept() {
    if (folder_) SetFileTime(folder_.get(), &created_, &accessed_, &written_);
  }

 private:
  UniqueFile folder_;
  FILETIME created_{}, accessed_{}, written_{};
};
}  // namespace

std::vector<std::string> TFuzzWorld::Work(int op, int target, int flags) {
  const bool tell = flags & 1, keepTime = flags & 2;
  const std::vector<std::string> folders = Folders(), files = Files();
  const std::string folder = folders[static_cast<std::size_t>(target) % folders.size()];
  const std::string file = files.empty() ? "" : files[static_cast<std::size_t>(target) % files.size()];
  // Folders below the root: the root itself stays.
  const std::string sub = folders.size() > 1 ? folders[1 + static_cast<std::size_t>(target) % (folders.size() - 1)] : "";
  // The folder whose entries change keeps its time when asked.
  const TFolderTimeKept kept(op == 0 || op == 3 ? folder : op == 1 || op == 2 ? FolderOf(file) : FolderOf(sub),
                             keepTime && op <= 5 && !(op == 1 || op == 2 ? file : op >= 4 ? sub : folder).empty());
  switch (op) {
    case 0: {  // create a file
      static const char* const kExts[] = {".txt", ".log", ".ini", ".bin"};
      const std::string path = FreshName(folder, target % 3 ? "new" : "n\xc3\xa9u f", kExts[target % 4]);
      if (!Put(path, Pattern(target))) return {};
      if (tell) Tell(SHCNE_CREATE, path);
      return {path};
    }
    case 1:  // delete a file
      if (file.empty() || !DeleteFileW(W(file).c_str())) return {};
      if (tell) Tell(SHCNE_DELETE, file);
      return {file};
    case 2: {  // rename a file
      if (file.empty()) return {};
      const std::string to = FreshName(FolderOf(file), "renamed by other", Extension(file));
      if (!MoveFileW(W(file).c_str(), W(to).c_str())) return {};
      if (tell) Tell(SHCNE_RENAMEITEM, file, to);
      return {file, to};
    }
    case 3: {  // create a folder
      const std::string path = FreshName(folder, "other", "");
      if (!CreateDirectoryW(W(path).c_str(), nullptr)) return {};
      if (tell) Tell(SHCNE_MKDIR, path);
      return {path + "\\"};
    }
    case 4:  // delete a folder with everything in it
      if (sub.empty()) return {};
      RemoveTree(W(sub));
      if (tell) Tell(SHCNE_RMDIR, sub);
      return {sub};
    case 5: {  // rename a folder
      if (sub.empty()) return {};
      const std::string to = FreshName(FolderOf(sub), "moved", "") + "\\";
      if (!MoveFileW(W(Without(sub)).c_str(), W(Without(to)).c_str())) return {};
      if (tell) Tell(SHCNE_RENAMEFOLDER, sub, to);
      return {sub, to};
    }
    case 6:    // rewrite, same length
    case 7: {  // rewrite, another length
      std::string bytes;
      if (file.empty() || !Get(file, bytes)) return {};
      FILETIME created{}, accessed{}, written{};
      {
        UniqueFile f(CreateFileW(W(file).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, 0, nullptr));
        if (f) GetFileTime(f.get(), &created, &accessed, &written);
      }
      if (op == 6) {
        if (bytes.empty()) return {};
        for (char& c : bytes)
          if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) c = static_cast<char>(c ^ 0x20);
        bytes[0] = static_cast<char>(bytes[0] ^ 0x01);
      } else if (bytes.size() > 4 && target % 2) {
        bytes.resize(bytes.size() / 2);
      } else {
        bytes += Pattern(target);
        bytes += "\nappended by another program";
      }
      if (!Put(file, bytes)) return {};
      if (keepTime) {
        UniqueFile f(CreateFileW(W(file).c_str(), FILE_WRITE_ATTRIBUTES,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0,
                                 nullptr));
        if (f) SetFileTime(f.get(), &created, &accessed, &written);
      }
      if (tell) Tell(SHCNE_UPDATEITEM, file);
      return {file};
    }
    case 8: {  // hold a file open for writing
      if (file.empty() || held_.size() >= 2) return {};
      UniqueFile f(CreateFileW(W(file).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, 0, nullptr));
      if (!f) return {};
      held_.push_back(std::move(f));
      return {};
    }
    default:
      ReleaseAll();
      return {};
  }
}

void TFuzzWorld::Notify(int folder, int event) {
  const std::vector<std::string> folders = Folders();
  const std::string path = folders[static_cast<std::size_t>(folder) % folders.size()];
  if (event == 0) Tell(SHCNE_UPDATEDIR, path);
  if (event == 1) Tell(SHCNE_MKDIR, path);
  if (event == 2) {
    std::vector<std::string> files;
    Walk(path, nullptr, &files);
    Tell(SHCNE_UPDATEITEM, files.empty() ? path : files.front());
  }
}
