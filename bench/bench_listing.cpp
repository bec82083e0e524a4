// Times a full listing of the file list against a bare search of the same folder, and
// prints the ratio of the medians. "<label>=<folder>" lists in the control's own layout
// (report style, all columns, mask "*.*", folders shown); "<label>=scrivlet:<folder>" in
// the viewer's (list style, its mask of 29 parts, no folders, its column widths).
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
#include "filebrowser/FilelistView.h"
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

std::size_t PeakWorkingSetMB() {
  PROCESS_MEMORY_COUNTERS pmc{};
  pmc.cb = sizeof pmc;
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc)) return 0;
  return pmc.PeakWorkingSetSize / (1024 * 1024);
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

  std::string summary;
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
    char part[64];
    std::snprintf(part, sizeof part, "listing_%s=%.2f ", label.c_str(), ratio);
    summary += part;
  }
  std::printf("%speak_ws_mb=%zu\n", summary.c_str(), PeakWorkingSetMB());
  return 0;
}
