#include "app/PublishedProps.h"

#include "app/IniText.h"
#include "filebrowser/filelist/FileListView.h"
#include "toolkit/FontDialog.h"
#include "toolkit/Memo.h"
#include "toolkit/Menu.h"

namespace {
// Getter and setter of one member pair, bound to the component.
template <class T, class C, class Getter, class Setter>
TPropertyValue Bind(C* c, Getter get, Setter set) {
  return TPropertyAccess<T>{[c, get] { return T((c->*get)()); }, [c, set](const T& v) { (c->*set)(v); }};
}

// One class's published properties: the first whose name matches wins.
struct TPropertyRow {
  std::string_view Name;
  TPropertyValue Access;
};

TPublishedProperty Pick(std::initializer_list<TPropertyRow> rows, std::string_view name) {
  for (const TPropertyRow& row : rows)
    if (SameName(row.Name, name)) return {row.Name, row.Access};
  return {};
}

TPublishedProperty ControlProperty(TControl* c, std::string_view name) {
  return Pick({{"Left", Bind<int>(c, &TControl::Left, &TControl::SetLeft)},
               {"Top", Bind<int>(c, &TControl::Top, &TControl::SetTop)},
               {"Width", Bind<int>(c, &TControl::Width, &TControl::SetWidth)},
               {"Height", Bind<int>(c, &TControl::Height, &TControl::SetHeight)},
               {"Color", Bind<int>(c, &TControl::Color, &TControl::SetColor)},
               {"Font", Bind<TFont>(c, &TControl::Font, &TControl::SetFont)},
               {"Visible", Bind<bool>(c, &TControl::Visible, &TControl::SetVisible)},
               {"Enabled", Bind<bool>(c, &TControl::Enabled, &TControl::SetEnabled)}},
              name);
}
}  // namespace

TPublishedProperty FindProperty(TComponent& component, std::string_view name) {
  if (auto* list = dynamic_cast<TDqFilelistView28*>(&component)) {
    if (TPublishedProperty p = Pick({{"Directory", Bind<std::string>(list, &TDqFilelistView28::Directory,
                                                                     &TDqFilelistView28::SetDirectory)},
                                     {"Mask", Bind<std::string>(list, &TDqFilelistView28::Mask,
                                                                &TDqFilelistView28::SetMask)},
                                     {"ShowFolders", Bind<bool>(list, &TDqFilelistView28::ShowFolders,
                                                                &TDqFilelistView28::SetShowFolders)}},
                                    name))
      return p;
  }
  if (auto* memo = dynamic_cast<TMemo*>(&component)) {
    if (TPublishedProperty p = Pick({{"WordWrap", Bind<bool>(memo, &TMemo::WordWrap, &TMemo::SetWordWrap)},
                                     {"ReadOnly", Bind<bool>(memo, &TMemo::ReadOnly, &TMemo::SetReadOnly)}},
                                    name))
      return p;
  }
  if (auto* control = dynamic_cast<TControl*>(&component)) return ControlProperty(control, name);
  if (auto* item = dynamic_cast<TMenuItem*>(&component)) {
    return Pick({{"Caption", Bind<std::string>(item, &TMenuItem::Caption, &TMenuItem::SetCaption)},
                 {"Checked", Bind<bool>(item, &TMenuItem::Checked, &TMenuItem::SetChecked)},
                 {"Enabled", Bind<bool>(item, &TMenuItem::Enabled, &TMenuItem::SetEnabled)},
                 {"Visible", Bind<bool>(item, &TMenuItem::Visible, &TMenuItem::SetVisible)}},
                name);
  }
  if (auto* dialog = dynamic_cast<TFontDialog*>(&component))
    return Pick({{"Font", Bind<TFont>(dialog, &TFontDialog::Font, &TFontDialog::SetFont)}}, name);
  return {};
}
