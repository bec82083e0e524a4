// Times opening a folder in the folder tree combo's drop-down (its sub-folders listed
// and the opened drop-down painted) against a bare search of the same folder, and prints
// the ratio of the medians. Before it, where the time goes: the same steps one by one on
// a tree of the toolkit, and what the platform's tree control alone costs per item.
// Usage: bench_tree <label>=<folder> ...; the last line reads "tree_<label>=<ratio> ...".
// With --first-drop-down <label>=<folder> ...: a new combo's first drop-down (F4 until
// the tree is painted) with the folder shown, as right after a start; the last line reads
// "first_drop_down_<label>_ms=<ms> ...".
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchTiming.h"
#include "filebrowser/combo/DirTreeCombo.h"
#include "filebrowser/combo/DirTreeView.h"
#include "filebrowser/folders/FolderIconCache.h"
#include "filebrowser/folders/FolderNodes.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/TreeView.h"
#include "toolkit/Utf.h"

using namespace bench;

namespace {
// The steps of an opening, each a median in seconds.
struct TParts {
  std::vector<double> Search, Keys, List, Insert, Expand, Paint, Probe;
};

// The listing's own search: basic information, large fetches, folders only.
int FolderSearch(const std::wstring& folder, std::vector<std::wstring>* names) {
  WIN32_FIND_DATAW fd;
  HANDLE find = FindFirstFileExW((folder + L"*.*").c_str(), FindExInfoBasic, &fd, FindExSearchLimitToDirectories,
                                 nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) return 0;
  int n = 0;
  do {
    ++n;
    if (names) names->push_back(fd.cFileName);
  } while (FindNextFileW(find, &fd));
  FindClose(find);
  return n;
}

// The steps one by one on a plain tree of the toolkit, as the drop-down takes them.
// The pictures are those of a tree that has listed before: its plain folder's pictures known.
void TimeParts(TCustomTreeView& tree, const std::string& folder, TFolderIconCache& icons, TParts& parts) {
  const std::wstring wide = Widen(folder);
  std::vector<std::wstring> names;
  parts.Search.push_back(Seconds([&] { FolderSearch(wide, &names); }));
  parts.Keys.push_back(Seconds([&] {
    for (const std::wstring& name : names) CaptionSortKey(name);
  }));
  std::vector<TCustomTreeView::TNewNode> folders;
  parts.List.push_back(Seconds([&] { ListSubFolders(folder, icons, folders); }));
  tree.Clear();
  tree.BeginUpdate();
  TTreeNode root = tree.AddChild({}, "root");
  parts.Insert.push_back(Seconds([&] { tree.AddChildren(root, folders, TCustomTreeView::TChildren::WhenShown); }));
  parts.Expand.push_back(Seconds([&] { root.Expand(); }));
  parts.Paint.push_back(Seconds([&] {
    tree.EndUpdate();
    UpdateWindow(tree.Handle());
  }));
  // What the drop-down asks of each node it shows: about a screenful of them.
  parts.Probe.push_back(Seconds([&] {
    for (std::size_t i = 0; i < 20 && i < folders.size(); ++i) FolderHasSubFolders(folder + folders[i].Text);
  }));
}

// The platform's tree control alone: `count` insertions under one node by SendMessageW,
// by a direct call of the control's procedure, and with the caption left to a callback;
// then the node's expansion and the redraw that follows. Microseconds per item.
void TimeControl(TCustomTreeView& plain, int count) {
  HWND raw = CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES, 320, 10,
                             300, 400, GetParent(plain.Handle()), nullptr, GetModuleHandleW(nullptr), nullptr);
  const auto proc = reinterpret_cast<WNDPROC>(GetClassLongPtrW(raw, GCLP_WNDPROC));
  auto fill = [&](bool direct, bool callback, HWND tree = nullptr) {
    if (!tree) tree = raw;
    SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    SendMessageW(tree, WM_SETREDRAW, FALSE, 0);
    TVINSERTSTRUCTW ins{};
    ins.hParent = TVI_ROOT;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT | TVIF_CHILDREN;
    wchar_t text[] = L"d00000";
    ins.item.pszText = text;
    auto top = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
    ins.hParent = top;
    ins.item.mask = TVIF_TEXT | TVIF_CHILDREN | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    ins.item.cChildren = I_CHILDRENCALLBACK;
    if (callback) ins.item.pszText = LPSTR_TEXTCALLBACKW;
    const double s = Seconds([&] {
      for (int i = 0; i < count; ++i) {
        ins.item.lParam = i;
        if (direct) CallWindowProcW(proc, tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins));
        else SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins));
      }
    });
    return std::make_pair(s, top);
  };
  std::vector<double> sent, direct, callback, expand, paint, subclassed, property, measure, removal;
  for (int r = 0; r <= kRuns; ++r) {
    // What the tree's item messages cost before they went straight to the control.
    const double d = fill(false, false, plain.Handle()).first;
    plain.Clear();
    SendMessageW(plain.Handle(), WM_SETREDRAW, TRUE, 0);
    // A window property read: one round trip to the wine server, as the subclass chain makes two a message.
    const double g = Seconds([&] {
      for (int i = 0; i < count; ++i) GetPropW(raw, L"ScrivletBench");
    });
    // What the control does for each node of an expanded branch when the redraw comes back:
    // it selects the node's font and measures the caption.
    const double m = Seconds([&] {
      HDC dc = GetDC(raw);
      const auto font = reinterpret_cast<HFONT>(SendMessageW(plain.Handle(), WM_GETFONT, 0, 0));
      const HGDIOBJ old = SelectObject(dc, font);
      SIZE size;
      for (int i = 0; i < count; ++i) {
        SelectObject(dc, font);
        GetTextExtentPoint32W(dc, L"d00000", 6, &size);
      }
      SelectObject(dc, old);
      ReleaseDC(raw, dc);
    });
    const double a = fill(false, false).first;
    const double c = fill(true, true).first;
    const auto [b, top] = fill(true, false);
    const double e = Seconds([&, top = top] {
      SendMessageW(raw, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(top));
    });
    const double p = Seconds([&] {
      SendMessageW(raw, WM_SETREDRAW, TRUE, 0);
      InvalidateRect(raw, nullptr, TRUE);
      UpdateWindow(raw);
    });
    // Each deleted item is told to the parent window (here the form) in a notification.
    const double x = Seconds([&] { SendMessageW(raw, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); });
    if (r == 0) continue;
    paint.push_back(p);
    removal.push_back(x);
    subclassed.push_back(d);
    property.push_back(g);
    measure.push_back(m);
    sent.push_back(a);
    direct.push_back(b);
    callback.push_back(c);
    expand.push_back(e);
  }
  SendMessageW(raw, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  DestroyWindow(raw);
  const double us = 1e6 / count;
  std::printf(
      "tree control alone, %d items: insertion %.1f us an item by SendMessageW, %.1f us by a direct call, "
      "%.1f us with a text callback; expanding them %.1f us an item, redrawing them then %.1f us an item; "
      "insertion by SendMessageW through the toolkit's subclass %.1f us an item; a window property read %.1f us; "
      "a caption measured with its font selected %.1f us; deleting them %.1f us an item\n",
      count, Median(sent) * us, Median(direct) * us, Median(callback) * us, Median(expand) * us, Median(paint) * us,
      Median(subclassed) * us, Median(property) * us, Median(measure) * us, Median(removal) * us);
}
}  // namespace

// Milliseconds from F4 in a new combo showing `folder` until its drop-down has painted:
// the first of a process, then the median of kRuns more, each with a new combo.
void FirstDropDown(TForm& form, const std::string& label, const std::string& folder, std::string& summary) {
  std::vector<double> times;
  for (int r = 0; r <= kRuns; ++r) {
    auto* combo = TComponent::Create<TDqDirTreeCombo28>(&form, &form);
    combo->SetBounds(10, 10, 300, 24);
    combo->ShowPath(folder);
    UpdateWindow(form.Handle());
    times.push_back(Seconds([&] {
      SendMessageW(combo->Handle(), WM_KEYDOWN, VK_F4, 0);
      UpdateWindow(combo->Tree->Handle());
    }) * 1000);
    combo->Tree->CloseUp();
    form.FreeComponent(combo);
  }
  const double first = times.front();
  times.erase(times.begin());
  std::printf("%s: first drop-down of a new combo showing %s: %.1f ms the first in the process, %.1f ms after "
              "(median of %d)\n", label.c_str(), folder.c_str(), first, Median(times), kRuns);
  char part[96];
  std::snprintf(part, sizeof part, "first_drop_down_%s_ms=%.1f ", label.c_str(), first);
  summary += part;
}

int wmain(int argc, wchar_t** argv) {
  TApplication app;
  app.Initialize();
  TForm* form = app.CreateForm<TForm>();
  form->SetBounds(0, 0, 800, 600);
  form->Show();
  if (argc > 1 && std::wstring(argv[1]) == L"--first-drop-down") {
    std::string summary;
    for (int a = 2; a < argc; ++a) {
      const std::string arg = Narrow(argv[a]);
      const std::size_t eq = arg.find('=');
      if (eq == std::string::npos) return 2;
      FirstDropDown(*form, arg.substr(0, eq), arg.substr(eq + 1), summary);
    }
    if (!summary.empty()) summary.pop_back();
    std::printf("%s\n", summary.c_str());
    return 0;
  }
  auto* combo = TComponent::Create<TDqDirTreeCombo28>(form, form);
  combo->SetBounds(10, 10, 300, 24);
  auto* plain = TComponent::Create<TCustomTreeView>(form, form);
  plain->SetBounds(10, 300, 300, 240);

  std::string summary;
  for (int a = 1; a < argc; ++a) {
    const std::string arg = Narrow(argv[a]);
    const std::size_t eq = arg.find('=');
    if (eq == std::string::npos) return 2;
    const std::string label = arg.substr(0, eq);
    std::string folder = arg.substr(eq + 1);
    if (folder.back() != '\\') folder += '\\';
    const std::wstring wide = Widen(folder);
    std::vector<double> bare, opened, listing, showing, rebuilt;
    TParts parts;
    TFolderIconCache icons;
    // A tree's first listing asks the shell for the plain folder's pictures, once.
    const double ask = Seconds([&] { icons.IconsOf(folder, "d00000", FILE_ATTRIBUTE_DIRECTORY); });
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
      // A refresh or a change in the folders rebuilds the tree, deleting every node.
      const double rebuild = Seconds([&] { combo->ResetTree(); });
      TParts round;
      TimeParts(*plain, folder, icons, round);
      if (r == 0) continue;
      bare.push_back(b);
      opened.push_back(o);
      listing.push_back(listed);
      showing.push_back(shown);
      rebuilt.push_back(rebuild);
      for (auto [all, one] : {std::pair{&parts.Search, &round.Search}, {&parts.Keys, &round.Keys},
                              {&parts.List, &round.List}, {&parts.Insert, &round.Insert},
                              {&parts.Expand, &round.Expand}, {&parts.Paint, &round.Paint},
                              {&parts.Probe, &round.Probe}})
        all->push_back(one->front());
    }
    std::printf(
        "%s: %d entries, %d nodes; bare search %.3f s, opened in the drop-down %.3f s (listed %.3f s, shown %.3f s; "
        "medians of %d)\n",
        label.c_str(), entries, nodes, Median(bare), Median(opened), Median(listing), Median(showing), kRuns);
    std::printf(
        "%s: the tree rebuilt afterwards in %.3f s\n%s, step by step: listing %.3f s (its search %.3f s, sort keys %.3f s, the rest pictures and order), "
        "insertion %.3f s, expansion %.3f s, redraw and paint %.3f s, 20 probes %.4f s; a tree's first listing "
        "also asks the shell for the plain folder's pictures: %.3f s\n",
        label.c_str(), Median(rebuilt), label.c_str(), Median(parts.List), Median(parts.Search), Median(parts.Keys), Median(parts.Insert),
        Median(parts.Expand), Median(parts.Paint), Median(parts.Probe), ask);
    char part[64];
    std::snprintf(part, sizeof part, "tree_%s=%.2f ", label.c_str(), Median(opened) / Median(bare));
    summary += part;
  }
  TimeControl(*plain, 10000);
  if (!summary.empty()) summary.pop_back();
  std::printf("%s\n", summary.c_str());
  return 0;
}
