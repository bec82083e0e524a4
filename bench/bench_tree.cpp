// Times opening a folder in the folder tree combo's drop-down (its sub-folders listed
// and the opened drop-down painted) against a bare search of the same folder, and prints
// the ratio of the medians.
// Usage: bench_tree <label>=<folder> ...; the last line reads "tree_<label>=<ratio> ...".
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchTiming.h"
#include "filebrowser/DirTreeCombo.h"
#include "filebrowser/DirTreeView.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Utf.h"

using namespace bench;

int wmain(int argc, wchar_t** argv) {
  TApplication app;
  app.Initialize();
  TForm* form = app.CreateForm<TForm>();
  form->SetBounds(0, 0, 800, 600);
  form->Show();
  auto* combo = TComponent::Create<TDqDirTreeCombo28>(form, form);
  combo->SetBounds(10, 10, 300, 24);

  std::string summary;
  for (int a = 1; a < argc; ++a) {
    const std::string arg = Narrow(argv[a]);
    const std::size_t eq = arg.find('=');
    if (eq == std::string::npos) return 2;
    const std::string label = arg.substr(0, eq);
    std::string folder = arg.substr(eq + 1);
    if (folder.back() != '\\') folder += '\\';
    const std::wstring wide = Widen(folder);
    std::vector<double> bare, opened, listing, showing;
    int entries = 0, nodes = 0;
    for (int r = 0; r <= kRuns; ++r) {  // the first round warms the caches
      const double b = Seconds([&] { entries = BareSearch(wide); });
      // The folders above are listed before the clock starts: only the folder's own opening counts.
      combo->ResetTree();
      const std::size_t cut = folder.find_last_of('\\', folder.size() - 2);
      combo->Tree->LocatePath(folder.substr(0, cut + 1));
      const double listed = Seconds([&] { combo->Tree->LocatePath(folder); });
      const double shown = Seconds([&] {
        combo->DropDown();
        UpdateWindow(combo->Tree->Handle());
      });
      const double o = listed + shown;
      nodes = combo->Tree->Selected().Count();
      combo->Tree->CloseUp();
      if (r == 0) continue;
      bare.push_back(b);
      opened.push_back(o);
      listing.push_back(listed);
      showing.push_back(shown);
    }
    std::printf(
        "%s: %d entries, %d nodes; bare search %.3f s, opened in the drop-down %.3f s (listed %.3f s, shown %.3f s; "
        "medians of %d)\n",
        label.c_str(), entries, nodes, Median(bare), Median(opened), Median(listing), Median(showing), kRuns);
    char part[64];
    std::snprintf(part, sizeof part, "tree_%s=%.2f ", label.c_str(), Median(opened) / Median(bare));
    summary += part;
  }
  if (!summary.empty()) summary.pop_back();
  std::printf("%s\n", summary.c_str());
  return 0;
}
