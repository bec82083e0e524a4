// Times a full listing of the file list against a bare search of the same folder, and
// prints the ratio of the medians. "<label>=<folder>" lists in the control's own layout
// (report style, all columns, mask "*.*", folders shown); "<label>=scrivlet:<folder>" in
// the viewer's (list style, its mask of 29 parts, no folders, its column widths).
// After the timed runs, an untimed breakdown per folder: where the listing's time goes
// (the folder scan, the shell's type and icon answers, the sort by name, the rest: the
// entries and the count), what making every entry's texts at once would cost, and the
// memory: the working set before any listing, what the list holds, per entry, and the
// rise of the peak.
// Usage: bench_listing <label>=[scrivlet:]<folder> ...; the last line reads
// "listing_<label>=<ratio> ... peak_ws_mb=<n>".
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "bench/BenchTiming.h"
#include "filebrowser/filelist/FileListRules.h"
#include "filebrowser/filelist/FileListView.h"
#include "filebrowser/filelist/FolderScan.h"
#include "filebrowser/filelist/MaskPattern.h"
#include "filebrowser/folders/ShellInfoCache.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Utf.h"

namespace {
using namespace bench;

// The viewer's file list, laid out as its main window lays it out.
void LayOutAsScrivlet(TDqFilelistView28& view) {
  view.BeginLoading();
  view.SetMask(
      "*.txt;*.ini;*.sys;*.bat;*.inf;*.htm;*.html;*.xml;*.css;*.js;*.pas;*.dpr;*.dpk;*.inc;*.rc;*.bpr;*.bpk;*.hpp;"
      "*.cpp;*.h;*.c;*.ffp;*.nfo;*.diz;*.upl;*.log;*.csv;*.1st;*.lst");
  view.SetFileType(TFileType{ftReadOnly, ftArchive, ftNormal});
  view.SetShowFolders(false);
  view.SetPopUpMenuEnabled(false);
  view.SetViewStyle(TViewStyle::vsList);
  view.SetShowColumnHeaders(false);
  view.SetMultiSelect(false);
  view.SetReadOnly(true);
  view.SetColWidth_Name(150);
  view.SetColWidth_Size(0);
  view.SetColWidth_Type(0);
  view.SetColWidth_Mod(0);
  view.SetColWidth_Attr(0);
  view.EndLoading();
}

PROCESS_MEMORY_COUNTERS MemoryCounters() {
  PROCESS_MEMORY_COUNTERS pmc{};
  pmc.cb = sizeof pmc;
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc)) return {};
  return pmc;
}

std::size_t PeakWorkingSetMB() { return MemoryCounters().PeakWorkingSetSize / (1024 * 1024); }

double MB(std::size_t bytes) { return static_cast<double>(bytes) / (1024 * 1024); }

// The listing's parts timed one by one, outside the timed runs, and its memory.
struct TListed {
  std::string Label;
  TDqFilelistView28* View;
  std::string Folder;
  double Listing;                  // median, seconds
  PROCESS_MEMORY_COUNTERS Before;  // before its first listing
  PROCESS_MEMORY_COUNTERS After;   // after its timed listings
};

// Run after every timed listing, so that its own scans and texts raise no peak the
// summary reports; the view lists the folder again first.
void PrintBreakdown(const TListed& listed, std::size_t startWorkingSet) {
  const std::string& label = listed.Label;
  TDqFilelistView28& view = *listed.View;
  const std::wstring folderW = Widen(listed.Folder);
  const PROCESS_MEMORY_COUNTERS& before = listed.Before;
  const PROCESS_MEMORY_COUNTERS& after = listed.After;
  const double listing = listed.Listing;
  view.UpdateFileList();
  const std::vector<TMaskPattern> all{TMaskPattern("*.*")};
  const std::uint32_t allowance = AttributeAllowance(view.FileType());
  std::size_t scanned = 0, nameChars = 0;
  int queries = 0;
  std::wstring someFile;
  // Medians of three: one run is at the mercy of the other programs on the machine.
  const auto median3 = [](auto&& part) {
    std::vector<double> runs;
    for (int r = 0; r < 3; ++r) runs.push_back(Seconds(part));
    return Median(runs);
  };
  const double scan = median3([&] {
    TFolderScan s(all, allowance, true);
    s.Run(folderW);
    scanned = s.PartEntries(0).size() + s.Folders().size();
  });
  const double scanAndShell = median3([&] {
    TFolderScan s(all, allowance, true);
    s.Run(folderW);
    TShellInfoCache shell;
    nameChars = 0;
    if (!s.PartEntries(0).empty()) someFile = folderW + std::wstring(s.Name(s.Entry(s.PartEntries(0).back())));
    for (const auto* pass : {&s.Folders(), &s.PartEntries(0)})
      for (std::size_t index : *pass) {
        const TScannedEntry& e = s.Entry(index);
        nameChars += e.NameLength;
        shell.Query(folderW, s.Name(e), e.Attributes);
      }
    queries = shell.ShellQueries();
  });
  const double oneQuery = someFile.empty() ? 0 : median3([&] { AskShell(someFile); });
  // Two clicks on the sorted column: descending, then back to the listing's order.
  const double sortByName =
      Seconds([&] { for (int k = 0; k < 2; ++k) view.SortByColumn(nullptr, kColName); }) / 2;
  const double sortByDate = Seconds([&] {
    view.SortByColumn(nullptr, kColModified);
    view.SortByColumn(nullptr, kColModified);
  }) / 2;
  for (int k = 0; k < 2; ++k) view.SortByColumn(nullptr, kColName);
  std::size_t textBytes = 0;
  const double allTexts = Seconds([&] {
    for (int i = 0; i < view.Count(); ++i)
      for (int c = 0; c <= kSubDateKey + 1; ++c) textBytes += view.ItemText(i, c).size();
  });
  const int n = std::max(view.Count(), 1);
  std::printf(
      "%s breakdown: scan %.3f s, shell answers %.3f s (%d queries; one on a path here %.3f s), sort by name %.3f s, rest (entries, count) %.3f s; "
      "sort by date %.3f s; every text of every entry at once %.3f s (%.1f MB)\n",
      label.c_str(), scan, scanAndShell - scan, queries, oneQuery, sortByName, listing - scanAndShell - sortByName, sortByDate, allTexts,
      MB(textBytes));
  std::printf(
      "%s memory: working set before any listing %.1f MB, before this listing %.1f MB, after it %.1f MB; "
      "peak rise %.1f MB; per entry %zu bytes packed + %.1f bytes of name; scan %.1f MB, sort keys and order %.1f MB "
      "(%zu entries scanned)\n",
      label.c_str(), MB(startWorkingSet), MB(before.WorkingSetSize), MB(after.WorkingSetSize),
      MB(after.PeakWorkingSetSize - before.PeakWorkingSetSize), TFileEntries::EntryBytes(),
      static_cast<double>(nameChars) * 1.0 / static_cast<double>(std::max<std::size_t>(scanned, 1)),
      MB(scanned * (sizeof(TScannedEntry) + 2 * sizeof(std::size_t)) + nameChars * sizeof(wchar_t)),
      MB(static_cast<std::size_t>(n) * (TFileEntries::SortKeyBytes() + sizeof(std::size_t) + sizeof(int))), scanned);
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
  TApplication app;
  app.Initialize();
  TForm* form = app.CreateForm<TForm>();
  form->SetBounds(0, 0, 800, 600);
  form->Show();
  auto* plain = TComponent::Create<TDqFilelistView28>(form, form);
  plain->SetAlign(TAlign::alClient);
  auto* scrivlet = TComponent::Create<TDqFilelistView28>(form, form);
  scrivlet->SetAlign(TAlign::alClient);
  LayOutAsScrivlet(*scrivlet);

  const std::size_t startWorkingSet = MemoryCounters().WorkingSetSize;
  // What the platform's own search of each folder costs in memory, before any listing.
  for (int a = 1; a < argc; ++a) {
    const std::string arg = Narrow(argv[a]);
    std::string folder = arg.substr(arg.find('=') + 1);
    if (folder.rfind("scrivlet:", 0) == 0) folder.erase(0, 9);
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    BareSearch(Widen(folder));
  }
  const PROCESS_MEMORY_COUNTERS bareOnly = MemoryCounters();
  std::printf("bare searches alone: working set %.1f MB at the start, peak %.1f MB after searching every folder\n",
              MB(startWorkingSet), MB(bareOnly.PeakWorkingSetSize));
  std::string summary;
  std::vector<TListed> listed;
  for (int a = 1; a < argc; ++a) {
    const std::string arg = Narrow(argv[a]);
    const std::size_t eq = arg.find('=');
    if (eq == std::string::npos) {
      std::fprintf(stderr, "bench_listing: expected <label>=<folder>, got %s\n", arg.c_str());
      return 2;
    }
    const std::string label = arg.substr(0, eq);
    std::string folder = arg.substr(eq + 1);
    constexpr std::string_view kScrivletLayout = "scrivlet:";
    TDqFilelistView28* view = plain;
    if (folder.compare(0, kScrivletLayout.size(), kScrivletLayout) == 0) {
      folder.erase(0, kScrivletLayout.size());
      view = scrivlet;
    }
    plain->SetVisible(view == plain);
    scrivlet->SetVisible(view == scrivlet);
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    const std::wstring folderW = Widen(folder);

    // Warm-up: the file system's caches and the shell's first use.
    const int entries = BareSearch(folderW);
    const PROCESS_MEMORY_COUNTERS before = MemoryCounters();
    view->SetDirectory(folder);
    if (view->Directory() != folder) {
      std::fprintf(stderr, "bench_listing: cannot list %s\n", folder.c_str());
      return 2;
    }
    std::vector<double> bare, listing;
    for (int r = 0; r < kRuns; ++r) {
      bare.push_back(Seconds([&] { BareSearch(folderW); }));
      listing.push_back(Seconds([&] { view->UpdateFileList(); }));
    }
    const double ratio = Median(listing) / Median(bare);
    std::printf("%s: %d entries found, %d listed in %d search(es); search %.3f s, listing %.3f s (medians of %d)\n",
                label.c_str(), entries, view->Count(), view->FolderSearches(), Median(bare), Median(listing), kRuns);
    listed.push_back({label, view, folder, Median(listing), before, MemoryCounters()});
    char part[64];
    std::snprintf(part, sizeof part, "listing_%s=%.2f ", label.c_str(), ratio);
    summary += part;
  }
  const std::size_t peak = PeakWorkingSetMB();
  for (const TListed& l : listed) {
    l.View->SetDirectory(l.Folder);
    PrintBreakdown(l, startWorkingSet);
  }
  std::printf("%speak_ws_mb=%zu\n", summary.c_str(), peak);
  return 0;
}
