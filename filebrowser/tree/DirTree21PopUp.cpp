#include "filebrowser/tree/DirTree21PopUp.h"

#include "filebrowser/tree/DirTree21.h"
#include "filebrowser/lang/DqConsts.h"
#include "filebrowser/lang/Language.h"

namespace {
struct TCommand {
  const char* Name;
  TStringKey Caption;
  const wchar_t* Picture;
};
// In menu order; the tag of each is its position here plus one.
constexpr TCommand kCommands[11] = {
    {"AddNode", TStringKey::MnuTreeNewFolder, L"NewFolder28"},
    {"EditNode", TStringKey::MnuTreeRenameFolder, L"EditFolder28"},
    {"DelNode", TStringKey::MnuTreeDeleteFolder, L"DelFolder28"},
    {"CutNode", TStringKey::MnuTreeCut, L"Cut28"},
    {"CopyNode", TStringKey::MnuTreeCopy, L"Copy28"},
    {"PasteNode", TStringKey::MnuTreePaste, L"Paste28"},
    {"GetTreeSize", TStringKey::MnuTreeTreeSize, L"TreeSize28"},
    {"ShowFolderContents", TStringKey::MnuTreeFolderContents, L"DirContents28"},
    {"ConnectNetResource", TStringKey::MnuTreeMapDrive, L"NetConnect28"},
    {"DisConnectNetResource", TStringKey::MnuTreeDisconnectDrive, L"NetDisConnect28"},
    {"ItemProperty", TStringKey::MnuTreeProperty, L"Attributes28"},
};
// A separator follows these positions.
bool SeparatorAfter(std::size_t i) { return i == 2 || i == 5 || i == 7 || i == 9; }
}  // namespace

TDqDirTree21PopUp::TDqDirTree21PopUp(TComponent* owner)
    : TPopupMenu(owner), tree_(dynamic_cast<TDqDirTree21*>(owner)), language_(TreeLanguage) {}

TDqDirTree21PopUp::~TDqDirTree21PopUp() {
  // The items go before the pictures they show (none were made when none were wanted).
  built_ = true;
  Items().Clear();
  DestroyComponents();
}

void TDqDirTree21PopUp::BuildMenu() {
  if (built_) return;
  built_ = true;
  const HINSTANCE module = GetModuleHandleW(nullptr);
  for (std::size_t i = 0; i < glyphs_.size(); ++i)
    glyphs_[i].reset(static_cast<HBITMAP>(
        LoadImageW(module, kCommands[i].Picture, IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS)));
  for (std::size_t i = 0; i < captions_.size(); ++i)
    captions_[i] = std::string(LanguageText(kCommands[i].Caption, language_));
  for (std::size_t i = 0; i < captions_.size(); ++i) {
    TMenuItem* item = Create<TMenuItem>(this);
    item->SetCaption(captions_[i]);
    item->SetBitmap(glyphs_[i].get());
    item->SetTag(static_cast<int>(i) + 1);
    item->SetName(kCommands[i].Name);
    item->OnClick = [this](TComponent* sender) { ItemClick(sender); };
    Items().Add(item);
    if (SeparatorAfter(i)) {
      TMenuItem* line = Create<TMenuItem>(this);
      line->SetCaption("-");
      Items().Add(line);
    }
  }
}

TMenuItem* TDqDirTree21PopUp::FindItem(const std::string& name) {
  BuildMenu();
  for (int i = 0; i < ComponentCount(); ++i)
    if (Component(i)->Name() == name) return dynamic_cast<TMenuItem*>(Component(i));
  return nullptr;
}

void TDqDirTree21PopUp::Popup(int x, int y) {
  if (tree_) {
    const TTreeNode node = tree_->Selected();
    const int level = node ? node.Level() : -1;
    const bool driveOrFolder = level > 0;
    const bool folder = level > 1;
    auto enable = [this](const char* name, bool on) {
      if (TMenuItem* item = FindItem(name)) item->SetEnabled(on);
    };
    enable("AddNode", driveOrFolder);
    for (const char* name : {"EditNode", "DelNode", "CutNode", "CopyNode"}) enable(name, folder);
    enable("PasteNode", folder && tree_->PasteReady);
    for (const char* name : {"GetTreeSize", "ShowFolderContents", "ItemProperty"}) enable(name, driveOrFolder);
  }
  TPopupMenu::Popup(x + 10, y + 10);
}

void TDqDirTree21PopUp::ItemClick(TComponent* sender) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  TDqDirTree21* tree = tree_;
  if (!item || !tree || item->Name().empty() || item->Tag() == 0) return;
  switch (item->Tag()) {
    case 1: tree->CreateSubFolder(); return;
    case 2: tree->EditSelectedCaption(); return;
    case 3:
      if (tree->Selected()) tree->DeleteFolder(tree->Selected());
      return;
    case 4: tree->MarkForPaste(2); return;
    case 5: tree->MarkForPaste(0); return;
    case 6: tree->PasteFolder(); return;
    case 7: tree->ShowTreeSize(); return;
    case 8: tree->ShowFolderContents(); return;
    case 9: tree->MapNetworkDrive(); return;
    case 10: tree->DisconnectNetworkDrive(); return;
    case 11: tree->ShowProperties(); return;
    default: return;
  }
}
