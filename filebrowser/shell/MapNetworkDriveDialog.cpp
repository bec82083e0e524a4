#include <windows.h>

#include "filebrowser/shell/FolderBrowser.h"
#include "filebrowser/shell/NetworkDrive.h"
#include "filebrowser/shell/PathRules.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"

namespace {
constexpr int mrBrowse = 10;

// The dialog's form and the controls the flow reads back.
struct TMapDriveForm {
  TForm Form{nullptr};
  TEdit* DriveEdit = nullptr;
  TEdit* PathEdit = nullptr;
  TCheckBox* Reconnect = nullptr;

  TMapDriveForm(const std::string& drive, const std::string& networkPath) {
    Form.SetUpAsDialog("Map Network Drive", 355, 208);

    AddLabel(44, 8, 285, 30,
             "Specify the Drive Letter for the connection and Network \rpath that you want to connect to", true);
    AddLabel(44, 44, 210, 13, "Drive Letter in your computer (e.g. Z: )", false);
    AddLabel(44, 88, 210, 13, "Network Path (e.g.  \\\\NetComputer_2\\C )", false);
    DriveEdit = TComponent::Create<TEdit>(&Form, &Form);
    DriveEdit->SetBounds(44, 60, 217, 21);
    DriveEdit->SetText(drive);
    PathEdit = TComponent::Create<TEdit>(&Form, &Form);
    PathEdit->SetBounds(44, 104, 217, 21);
    PathEdit->SetText(networkPath);
    TButton* ok = AddButton(88, 164, 75, 25, "OK", mrOk);
    ok->SetDefault(true);
    TButton* cancel = AddButton(188, 164, 75, 25, "Cancel", mrCancel);
    cancel->SetCancel(true);
    TButton* browse = AddButton(264, 104, 45, 23, "Browse", mrBrowse);
    Reconnect = TComponent::Create<TCheckBox>(&Form, &Form);
    Reconnect->SetBounds(44, 132, 141, 21);
    Reconnect->SetCaption("Reconnect at logon");
    Reconnect->SetChecked(true);

    DriveEdit->SetTabOrder(0);
    PathEdit->SetTabOrder(1);
    ok->SetTabOrder(2);
    cancel->SetTabOrder(3);
    browse->SetTabOrder(4);
  }

  void AddLabel(int left, int top, int width, int height, std::string caption, bool wordWrap) {
    auto* label = TComponent::Create<TLabel>(&Form, &Form);
    label->SetBounds(left, top, width, height);
    label->SetWordWrap(wordWrap);
    label->SetCaption(std::move(caption));
  }

  TButton* AddButton(int left, int top, int width, int height, std::string caption, int modalResult) {
    auto* button = TComponent::Create<TButton>(&Form, &Form);
    button->SetBounds(left, top, width, height);
    button->SetCaption(std::move(caption));
    button->SetModalResult(modalResult);
    return button;
  }
};
}  // namespace

bool MapNetworkDriveDialog(std::string& drive, std::string& networkPath, bool& reconnect) {
  TMapDriveForm dialog(drive, networkPath);
  int result = dialog.Form.ShowModal();
  if (result == mrBrowse) {
    HWND owner = Application && Application->MainForm() ? Application->MainForm()->Handle() : nullptr;
    std::string folder;
    if (BrowseForFolder(owner, folder, true)) {
      networkPath = StripTrailingBackslash(folder);
      dialog.PathEdit->SetText(networkPath);
    }
    // Browse is offered once: pressing it again closes the dialog unconfirmed.
    result = dialog.Form.ShowModal();
  }
  if (result != mrOk) return false;
  drive = dialog.DriveEdit->Text();
  networkPath = dialog.PathEdit->Text();
  reconnect = dialog.Reconnect->Checked();
  return true;
}
