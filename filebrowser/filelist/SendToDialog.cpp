#include "filebrowser/filelist/SendToDialog.h"

#include <windows.h>

#include "filebrowser/lang/SharedMessages.h"
#include "filebrowser/shell/FolderBrowser.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/Handles.h"
#include "toolkit/Label.h"

namespace {
constexpr int mrBrowse = 10;
constexpr int kMaxPathText = 285;

// The buttons' pictures: OK, Cancel and the help picture Browse shows.
constexpr const wchar_t* kGlyphNames[3] = {L"Kind_OK", L"Kind_Cancel", L"Kind_Help"};

struct TSendToForm {
  // Declared first: the buttons that show them go before them.
  UniqueBitmap Glyphs[3];
  TForm Form{nullptr};
  TEdit* PathEdit = nullptr;

  explicit TSendToForm(const std::string& initial) {
    for (int i = 0; i < 3; ++i)
      Glyphs[i].reset(static_cast<HBITMAP>(
          LoadImageW(GetModuleHandleW(nullptr), kGlyphNames[i], IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS)));
    Form.SetUpAsDialog(SharedMessage(TStringKey::MsgSendToAnyFolder), 333, 135);

    auto* label = TComponent::Create<TLabel>(&Form, &Form);
    label->SetBounds(20, 12, 293, 13);
    label->SetCaption(SharedMessage(TStringKey::MsgEnterSendToPath));
    label->AdjustSizeToText();
    PathEdit = TComponent::Create<TEdit>(&Form, &Form);
    PathEdit->SetBounds(20, 32, 293, 21);
    PathEdit->SetText(initial);
    SendMessageW(PathEdit->Handle(), EM_LIMITTEXT, kMaxPathText, 0);
    SendMessageW(PathEdit->Handle(), EM_SETSEL, 0, -1);
    TButton* ok = AddButton(37, "OK", mrOk, 0);
    ok->SetDefault(true);
    TButton* cancel = AddButton(129, SharedMessage(TStringKey::MsgCancel), mrCancel, 1);
    cancel->SetCancel(true);
    TButton* browse = AddButton(221, SharedMessage(TStringKey::MsgBrowse), mrBrowse, 2);
    PathEdit->SetTabOrder(0);
    ok->SetTabOrder(1);
    cancel->SetTabOrder(2);
    browse->SetTabOrder(3);
  }

  TButton* AddButton(int left, std::string caption, int modalResult, int glyph) {
    auto* button = TComponent::Create<TButton>(&Form, &Form);
    button->SetGlyph(Glyphs[glyph].get());
    button->SetBounds(left, 80, 75, 25);
    button->SetCaption(std::move(caption));
    button->SetModalResult(modalResult);
    return button;
  }
};
}  // namespace

std::string AskSendToFolder(HWND asker, const std::string& initial) {
  std::string text = initial;
  for (;;) {
    int result = 0;
    {
      TSendToForm dialog(text);
      result = dialog.Form.ShowModal();
      if (result == mrOk) return dialog.PathEdit->Text();
    }
    if (result != mrBrowse) return {};
    std::string folder;
    if (!BrowseForFolder(asker, folder, false)) return {};
    text = folder;  // asked again, with the chosen folder ending in a backslash
  }
}
