#include "app/FormPlacement.h"

#include <cstdio>

#include "app/IniText.h"
#include "toolkit/Application.h"

namespace {
// The suffix of the keys that belong to this screen size, as "(1024x768)".
std::string ScreenSuffix() {
  char text[32];
  std::snprintf(text, sizeof text, "(%dx%d)", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  return text;
}

std::int32_t ReadInteger(const TIniFile& file, const std::string& key, std::int32_t fallback) {
  return ParseInteger(file.ReadString(key, "")).value_or(fallback);
}

// The suffixed key when it holds text, else the plain one.
std::string ReadScreenKey(const TIniFile& file, const std::string& key) {
  std::string text = file.ReadString(key + ScreenSuffix(), "");
  if (text.empty()) text = file.ReadString(key, "");
  return text;
}

// Word `index` of the text as a number; `fallback` when it is missing or not a number.
std::int32_t Word(const std::vector<std::string_view>& words, std::size_t index, std::int32_t fallback) {
  if (index >= words.size()) return fallback;
  return ParseInteger(words[index]).value_or(fallback);
}
}  // namespace

TFormPlacement::TFormPlacement(TComponent* owner)
    : TComponent(owner), form_(dynamic_cast<TForm*>(owner)), location_(std::make_unique<TIniLocation>()) {}

TFormPlacement::~TFormPlacement() {
  // Freed before its window: the window gets its own handlers back.
  if (hooked_ && !formDestroyed_ && form_) {
    form_->OnShow = std::move(formShow_);
    form_->OnCloseQuery = std::move(formCloseQuery_);
    form_->OnDestroy = std::move(formDestroy_);
  }
}

void TFormPlacement::Loaded() {
  if (!form_ || hooked_) return;
  hooked_ = true;
  formShow_ = std::move(form_->OnShow);
  formCloseQuery_ = std::move(form_->OnCloseQuery);
  formDestroy_ = std::move(form_->OnDestroy);
  form_->OnShow = [this](TComponent* sender) { FormShow(sender); };
  form_->OnCloseQuery = [this](TComponent* sender, bool& canClose) { FormCloseQuery(sender, canClose); };
  form_->OnDestroy = [this](TComponent* sender) { FormDestroy(sender); };
}

void TFormPlacement::Report(const std::exception& e) {
  if (Application) Application->HandleException(e);
}

void TFormPlacement::FormShow(TComponent* sender) {
  if (active_) {
    try {
      RestoreFormPlacement();
    } catch (const std::exception& e) {
      Report(e);
    }
  }
  if (formShow_) formShow_(sender);
}

void TFormPlacement::FormCloseQuery(TComponent* sender, bool& canClose) {
  if (formCloseQuery_) formCloseQuery_(sender, canClose);
  if (!canClose || !active_ || !form_->HandleAllocated()) return;
  // A failed save is reported and the window closes all the same; destruction tries again.
  try {
    SaveFormPlacement();
  } catch (const std::exception& e) {
    Report(e);
  }
}

void TFormPlacement::FormDestroy(TComponent* sender) {
  formDestroyed_ = true;
  if (active_ && !saved_) {
    destroying_ = true;
    try {
      SaveFormPlacement();
    } catch (const std::exception& e) {
      Report(e);
    }
    destroying_ = false;
  }
  if (formDestroy_) formDestroy_(sender);
}

const TIniPlace& TFormPlacement::Place() {
  if (!place_) place_ = std::make_unique<TIniPlace>(location_->Locate(iniFileName_));
  return *place_;
}

void TFormPlacement::RestoreFormPlacement() {
  if (!form_) return;
  saved_ = false;
  const TIniFile file(Place().ReadPath, iniSection_, iniFileName_);
  if (!file.CanRead()) {
    // Read, it would give the design values, and a save would then write them over the
    // user's settings: nothing is restored, so nothing is written at close.
    ResetMaximisedPosition();
    return;
  }
  if (ReadInteger(file, "FormVersion", 0) >= version_) {
    if (options_.Position) RestorePosition(file);
    restored_ = true;
    try {
      RestoreProperties(file);
    } catch (const std::exception&) {
      // A property that cannot be restored keeps the value it has.
    }
  }
  restored_ = true;
  ResetMaximisedPosition();
}

void TFormPlacement::RestorePosition(const TIniFile& file) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(form_->Handle(), &placement);
  // Applying the placement must move and size the window without showing it.
  if (!IsWindowVisible(form_->Handle())) placement.showCmd = SW_HIDE;
  placement.flags = static_cast<UINT>(ReadInteger(file, "Flags", static_cast<std::int32_t>(placement.flags)));

  const std::string minMax = ReadScreenKey(file, "MinMaxPos");
  if (!minMax.empty()) {
    const std::vector<std::string_view> words = SplitWords(minMax, " ,");
    placement.ptMinPosition = {Word(words, 0, 0), Word(words, 1, 0)};
    placement.ptMaxPosition = {Word(words, 2, 0), Word(words, 3, 0)};
  }
  const std::string norm = ReadScreenKey(file, "NormPos");
  if (!norm.empty()) {
    const std::vector<std::string_view> words = SplitWords(norm, " ,");
    placement.rcNormalPosition = {Word(words, 0, form_->Left()), Word(words, 1, form_->Top()),
                                  Word(words, 2, form_->Left() + form_->Width()),
                                  Word(words, 3, form_->Top() + form_->Height())};
  }
  const std::int32_t pixelsPerInch = ReadInteger(file, "PixelsPerInch", ScreenPixelsPerInch());
  // A rectangle measured at another resolution, or an empty one, is not applied.
  if ((!minMax.empty() || !norm.empty()) && pixelsPerInch == ScreenPixelsPerInch() &&
      placement.rcNormalPosition.left < placement.rcNormalPosition.right)
    SetWindowPlacement(form_->Handle(), &placement);
}

void TFormPlacement::ResetMaximisedPosition() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(form_->Handle(), &placement);
  if (!IsWindowVisible(form_->Handle())) placement.showCmd = SW_HIDE;
  const bool sizeable = form_->BorderStyle() == TFormBorderStyle::bsSizeable;
  placement.ptMaxPosition = {-GetSystemMetrics(sizeable ? SM_CXFRAME : SM_CXDLGFRAME),
                             -GetSystemMetrics(sizeable ? SM_CYFRAME : SM_CYDLGFRAME)};
  SetWindowPlacement(form_->Handle(), &placement);
}

void TFormPlacement::SaveFormPlacement() {
  // Nothing is written before the file has been read in this run.
  if (!form_ || !restored_) return;
  const TIniPlace& place = Place();
  if (!place.FolderToCreate.empty()) CreateDirectoryW(place.FolderToCreate.c_str(), nullptr);
  const TIniFile file(place.WritePath, iniSection_, iniFileName_);
  file.WriteString("FormVersion", IntegerText(version_));
  SavePosition(file);
  SaveProperties(file);
  saved_ = true;
}

void TFormPlacement::SavePosition(const TIniFile& file) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(form_->Handle(), &placement);
  if (Application && Application->MainForm() == form_ && IsIconic(form_->Handle())) placement.showCmd = SW_SHOWMINIMIZED;
  const std::string suffix = ScreenSuffix();
  const std::int32_t minMax[4] = {placement.ptMinPosition.x, placement.ptMinPosition.y, placement.ptMaxPosition.x,
                                  placement.ptMaxPosition.y};
  const RECT& r = placement.rcNormalPosition;
  const std::int32_t norm[4] = {r.left, r.top, r.right, r.bottom};
  file.WriteString("Flags", IntegerText(static_cast<std::int32_t>(placement.flags)));
  file.WriteString("ShowCmd", IntegerText(static_cast<std::int32_t>(placement.showCmd)));
  file.WriteString("PixelsPerInch", IntegerText(ScreenPixelsPerInch()));
  file.WriteString("MinMaxPos" + suffix, JoinFour(minMax));
  file.WriteString("MinMaxPos", JoinFour(minMax));
  file.WriteString("NormPos" + suffix, JoinFour(norm));
  file.WriteString("NormPos", JoinFour(norm));
  file.WriteString("Visible", destroying_ ? "1" : "0");
}
