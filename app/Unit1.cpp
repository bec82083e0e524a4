#include "app/Unit1.h"

#include "app/JpegImage.h"
#include "toolkit/Application.h"
#include "toolkit/Utf.h"

namespace {
// The font every part of the window starts with.
TFont DesignFont() { return TFont{}; }
}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {
  MarkStart("main window");
  SetName("Form1");
  SetCaption("Scrivlet");
  SetBounds(241, 191, 600, 400);
  SetColor(clBtnFace);
  SetFont(DesignFont());
  OnCreate = [this](TComponent* sender) { FormCreate(sender); };
  OnShow = [this](TComponent* sender) { FormShow(sender); };
  OnResize = [this](TComponent* sender) { FormResize(sender); };
  BuildLayout();
  BuildMenus();
  MarkStart("menus");
  BuildReader();
  MarkStart("reader");
  ConfigureStorage();
  MarkStart("storage");
  ScaleToScreen();
  MarkStart("scaled");
  DoCreate();
}

void TForm1::BuildLayout() {
  PanelLeft = Create<TPanel>(this, this);
  PanelLeft->SetName("PanelLeft");
  PanelLeft->SetBounds(0, 2, 240, 364);
  PanelLeft->SetAlign(TAlign::alLeft);

  SplitterV = Create<TSplitter>(this, this);
  SplitterV->SetName("SplitterV");
  SplitterV->SetBounds(240, 2, 2, 364);
  SplitterV->SetAlign(TAlign::alLeft);
  SplitterV->SetMinSize(30);

  PanelRight = Create<TPanel>(this, this);
  PanelRight->SetName("PanelRight");
  PanelRight->SetAlign(TAlign::alClient);

  // The 2-pixel strip across the top.
  PanelTop = Create<TPanel>(this, this);
  PanelTop->SetName("PanelTop");
  PanelTop->SetBounds(0, 0, 592, 2);
  PanelTop->SetAlign(TAlign::alTop);
  MarkStart("panels");

  BrowseDrives = Create<TDqDirTreeCombo28>(this, PanelLeft);
  MarkStart("combo made");
  BrowseDrives->BeginLoading();
  BrowseDrives->SetName("BrowseDrives");
  BrowseDrives->SetBounds(0, 0, 240, 21);
  BrowseDrives->SetColor(clWindow);
  BrowseDrives->SetAlign(TAlign::alTop);
  BrowseDrives->SetReadOnly(true);
  BrowseDrives->SetTabStop(false);
  BrowseDrives->SetShowHint(true);
  BrowseDrives->SetSelectedPath("Drives");
  BrowseDrives->SetLanguage(lnEnglish);
  BrowseDrives->SetTreeHeight(240);
  BrowseDrives->OnClick = [this](TComponent* sender) { BrowseDrivesClick(sender); };

  BrowseFiles = Create<TDqFilelistView28>(this, PanelLeft);
  MarkStart("file list made");
  ConfigureFileList();
  BrowseDrives->EndLoading();
  MarkStart("browser set up");

  PanelDiv = Create<TPanel>(this, PanelLeft);
  PanelDiv->SetName("PanelDiv");
  PanelDiv->SetBounds(0, 21, 240, 2);
  PanelDiv->SetAlign(TAlign::alTop);
  BrowseFiles->SetTabOrder(1);

  FontText = Create<TFontDialog>(this);
  FontText->SetName("FontText");
  FontText->SetFont(DesignFont());

  PopupMenu = Create<TPopupMenu>(this);
  PopupMenu->SetName("PopupMenu");
}

void TForm1::ConfigureFileList() {
  // Laid out like the other components: values are stored, nothing is listed yet.
  BrowseFiles->BeginLoading();
  BrowseFiles->SetName("BrowseFiles");
  BrowseFiles->SetBounds(0, 23, 240, 341);
  BrowseFiles->SetAlign(TAlign::alClient);
  BrowseFiles->SetColor(clWindow);
  BrowseFiles->SetTabStop(true);
  BrowseFiles->SetMask(
      "*.txt;*.ini;*.sys;*.bat;*.inf;*.htm;*.html;*.xml;*.css;*.js;*.pas;*.dpr;*.dpk;*.inc;*.rc;*.bpr;*.bpk;*.hpp;"
      "*.cpp;*.h;*.c;*.ffp;*.nfo;*.diz;*.upl;*.log;*.csv;*.1st;*.lst");
  BrowseFiles->SetFileType(TFileType{ftReadOnly, ftArchive, ftNormal});
  BrowseFiles->SetShowFolders(false);
  BrowseFiles->SetDblClickToOpen(false);
  BrowseFiles->SetParentDirCaption(" Parent");
  BrowseFiles->SetPopUpMenuEnabled(false);
  BrowseFiles->SetLanguage(lnEnglish);
  BrowseFiles->SetTimeFormat(tfShortFormat);
  BrowseFiles->SetViewStyle(TViewStyle::vsList);
  BrowseFiles->SetShowColumnHeaders(false);
  BrowseFiles->SetMultiSelect(false);
  BrowseFiles->SetReadOnly(true);
  BrowseFiles->SetColWidth_Name(150);
  BrowseFiles->SetColWidth_Size(0);
  BrowseFiles->SetColWidth_Type(0);
  BrowseFiles->SetColWidth_Mod(0);
  BrowseFiles->SetColWidth_Attr(0);
  BrowseFiles->OnClick = [this](TComponent* sender) { BrowseFilesClick(sender); };
  BrowseFiles->SetDirTreeCombo(BrowseDrives);
  BrowseFiles->EndLoading();
}

// The reader fills the right pane; its context menu exists by now.
void TForm1::BuildReader() {
  ReadText = Create<TReader>(this, PanelRight);
  ReadText->SetName("ReadText");
  ReadText->SetReadOnly(true);
  ReadText->SetColor(clWindow);
  ReadText->SetAlign(TAlign::alClient);
  ReadText->SetTabOrder(0);
  ReadText->SetPopupMenu(PopupMenu);
  ReadText->OnChange = [this](TComponent* s) { ReadTextChange(s); };
  ReadText->OnMouseDown = [this](TComponent* s, TMouseButton b, TShiftState sh, int x, int y) {
    ReadTextMouseDown(s, b, sh, x, y);
  };
}

TMenuItem* TForm1::NewItem(const char* name, const char* caption, TNotifyEvent onClick, TShortCut shortcut) {
  TMenuItem* item = Create<TMenuItem>(this);
  item->SetName(name);
  item->SetCaption(caption);
  item->SetShortCut(shortcut);
  item->OnClick = std::move(onClick);
  return item;
}

void TForm1::BuildMenus() {
  using namespace std::placeholders;
  auto handler = [this](void (TForm1::*fn)(TComponent*)) { return TNotifyEvent(std::bind(fn, this, _1)); };

  // Items are made in the order the window declares them; each menu lists its own order below.
  FontMenu = NewItem("FontMenu", "Reader Font  ...", handler(&TForm1::FontMenuClick));
  CopyMenu = NewItem("CopyMenu", "Copy To Clipboard", handler(&TForm1::CopyMenuClick));
  CopyMenu->SetEnabled(false);
  BrowseMenu = NewItem("BrowseMenu", "View Browser", handler(&TForm1::BrowseMenuClick));
  BrowseMenu->SetChecked(true);
  N1 = NewItem("N1", "-", nullptr);
  N2 = NewItem("N2", "-", nullptr);
  WrapMenu = NewItem("WrapMenu", "Word Wrap", handler(&TForm1::WrapMenuClick));
  WrapMenu->SetChecked(true);

  FileMenu = Create<TPopupMenu>(this);
  FileMenu->SetName("FileMenu");
  FocusMenu = NewItem("FocusMenu", "Browser Focus", handler(&TForm1::FocusMenuClick));
  FocusMenu->SetChecked(true);
  FontBrowse = Create<TFontDialog>(this);
  FontBrowse->SetName("FontBrowse");
  FontBrowse->SetFont(DesignFont());
  FontMenuB = NewItem("FontMenuB", "Browser Font ...", handler(&TForm1::FontMenuBClick));
  FolderMenu = NewItem("FolderMenu", "Show Folders", handler(&TForm1::FolderMenuClick));
  BuildAboutImage();
  MarkStart("about image");
  N3 = NewItem("N3", "-", nullptr);
  DefaultSettings1 = NewItem("DefaultSettings1", "Default Settings", handler(&TForm1::DefaultSettings1Click));
  N5 = NewItem("N5", "-", nullptr);
  About1 = NewItem("About1", "About Scrivlet ...", handler(&TForm1::About1Click));

  for (TMenuItem* item : {CopyMenu, N1, BrowseMenu, FontMenuB, N2, WrapMenu, FontMenu}) PopupMenu->Items().Add(item);
  for (TMenuItem* item : {FolderMenu, FocusMenu, N3, DefaultSettings1, N5, About1}) FileMenu->Items().Add(item);
  BrowseFiles->SetPopupMenu(FileMenu);

  // The window menu: invisible items that only carry the window-wide shortcuts.
  FormMenu = Create<TPopupMenu>(this);
  FormMenu->SetName("FormMenu");
  FMselect = NewItem("FMselect", "Select All", handler(&TForm1::SelectAllMenuClick), 16449);
  FMCopy = NewItem("FMCopy", "Copy To Clipboard", handler(&TForm1::CopyMenuClick), 16451);
  FMViewBrowser = NewItem("FMViewBrowser", "View Browser", handler(&TForm1::BrowseMenuClick), 16450);
  FMBFont = NewItem("FMBFont", "Browser Font", handler(&TForm1::FontMenuBClick), 49218);
  FMWordWrap = NewItem("FMWordWrap", "Word Wrap", handler(&TForm1::WrapMenuClick), 16471);
  FMRFont = NewItem("FMRFont", "Reader Font", handler(&TForm1::FontMenuClick), 49234);
  FMShowFolders = NewItem("FMShowFolders", "Show Folders", handler(&TForm1::FolderMenuClick), 49222);
  FMBFocus = NewItem("FMBFocus", "Browser Focus", handler(&TForm1::FocusMenuClick), 16454);
  FMDefault = NewItem("FMDefault", "Default Settings", handler(&TForm1::DefaultSettings1Click), 49220);
  for (TMenuItem* item : {FMselect, FMCopy, FMViewBrowser, FMBFont, FMWordWrap, FMRFont, FMShowFolders, FMBFocus,
                          FMDefault}) {
    item->SetVisible(false);
    FormMenu->Items().Add(item);
  }
  SetPopupMenu(FormMenu);
}

void TForm1::ConfigureStorage() {
  // Made once the other components exist: ending its loading resolves the list and
  // hooks the window's show, close-query and destroy events.
  FormStorage1 = Create<TFormStorage>(this);
  FormStorage1->BeginLoading();
  FormStorage1->SetName("FormStorage1");
  FormStorage1->SetIniFileName("Scrivlet.ini");
  FormStorage1->SetIniSection("User");
  FormStorage1->SetOptions({.Position = true});
  FormStorage1->SetVersion(0);
  FormStorage1->SetStoredProps({"BrowseFiles.Directory", "PanelLeft.Width", "BrowseDrives.Font", "BrowseFiles.Font",
                                "ReadText.Font", "FontText.Font", "FontBrowse.Font", "ReadText.WordWrap",
                                "WrapMenu.Checked", "FocusMenu.Checked", "FolderMenu.Checked",
                                "BrowseFiles.ShowFolders"});
  FormStorage1->EndLoading();
}

void TForm1::BuildAboutImage() {
  AboutImage = Create<TProImageViewDialog>(this);
  AboutImage->SetName("AboutImage");
  AboutImage->SetCaption("About ...");
  AboutImage->SetLanguage(dlEnglish);
  AboutImage->SetSoundType(TSoundType::stNoSound);
  AboutImage->SetBorderStyle(TImageBorderStyle::bsNone);
  AboutImage->SetModal(true);
  auto artwork = std::make_unique<TJPEGImage>();
  artwork->LoadFromResource(L"ABOUTIMAGE");
  AboutImage->Picture().SetGraphic(std::move(artwork));
}

// ---- reader events -------------------------------------------------------------

void TForm1::UpdateCopyEnabled() { CopyMenu->SetEnabled(ReadText->SelLength() > 0); }

void TForm1::ReadTextChange(TComponent*) { UpdateCopyEnabled(); }

void TForm1::ReadTextMouseDown(TComponent*, TMouseButton, TShiftState, int, int) { UpdateCopyEnabled(); }

// ---- commands --------------------------------------------------------------------

void TForm1::CopyMenuClick(TComponent*) { ReadText->CopyToClipboard(); }

void TForm1::SelectAllMenuClick(TComponent*) {
  ReadText->SetFocus();
  ReadText->SelectAll();
  UpdateCopyEnabled();
}

void TForm1::BrowseMenuClick(TComponent*) {
  if (BrowseMenu->Checked()) {
    SplitterV->SetAlign(TAlign::alNone);
    SplitterV->Hide();
    PanelLeft->Hide();
    BrowseMenu->SetChecked(false);
    ReadText->SetFocus();
  } else {
    PanelLeft->SetAlign(TAlign::alLeft);
    PanelLeft->Show();
    // The splitter takes its place right of the pane.
    SplitterV->SetLeft(PanelLeft->Left() + PanelLeft->Width());
    SplitterV->Show();
    SplitterV->SetAlign(TAlign::alLeft);
    BrowseMenu->SetChecked(true);
    FocusMenu->SetChecked(true);
    BrowseFiles->SetFocus();
    // The window may have been resized while the pane was hidden.
    FitTreeHeight();
  }
}

void TForm1::WrapMenuClick(TComponent*) {
  const bool wrap = !WrapMenu->Checked();
  ReadText->SetWordWrap(wrap);
  ReadText->SetScrollBars(wrap ? TScrollStyle::ssVertical : TScrollStyle::ssBoth);
  WrapMenu->SetChecked(wrap);
  ReadText->Repaint();
}

void TForm1::FontMenuClick(TComponent*) {
  if (FontText->Execute(Handle())) ReadText->SetFont(FontText->Font());
  ReadText->SetFocus();
}

void TForm1::FocusMenuClick(TComponent*) {
  if (FocusMenu->Checked()) {
    ReadText->Collapse();
    SetActiveControl(ReadText);
    FocusMenu->SetChecked(false);
  } else if (!PanelLeft->Visible()) {
    // The list cannot take the focus while the browser is hidden: remember the
    // choice; showing the browser again gives the list the focus.
    FocusMenu->SetChecked(true);
  } else {
    SetActiveControl(BrowseFiles);
    FocusMenu->SetChecked(true);
  }
}

void TForm1::About1Click(TComponent*) { AboutImage->Execute(); }
