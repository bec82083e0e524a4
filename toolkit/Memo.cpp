#include "toolkit/Memo.h"

#include <ILoader.h>
#include <Scintilla.h>

#include <algorithm>
#include <climits>

#include "toolkit/Utf.h"

namespace {
// The indicator that draws the font's strike-out line over the whole text.
constexpr int kStrikeIndicator = INDICATOR_CONTAINER;
// Texts past this many bytes need the view's wide positions.
constexpr std::size_t kLargeText = 0x70000000;
// The view's message for its next step of work while idle (wrapping a long text).
constexpr UINT kViewIdleStep = 5001;

void RegisterView() {
  static const bool registered = Scintilla_RegisterClasses(GetModuleHandleW(nullptr)) != 0;
  (void)registered;
}

// The system's double-byte code pages are shown as such, so a lead byte and its
// trail byte stay one character; every single-byte code page goes through as bytes.
int ViewCodePage() {
  const UINT acp = GetACP();
  return (acp == 932 || acp == 936 || acp == 949 || acp == 950) ? static_cast<int>(acp) : 0;
}

Scintilla::ILoader* AsLoader(void* p) { return static_cast<Scintilla::ILoader*>(p); }
}  // namespace

TMemo::TMemo(TComponent* owner, TControl* parent) : TControl(owner) {
  RegisterView();
  SetTabStop(true);
  SetParent(parent);
  SetColor(clWindow);
  SetBounds(0, 0, 185, 89);
  CreateHandle();
}

TMemo::~TMemo() = default;

void TMemo::CreateParams(TCreateParams& params) {
  TControl::CreateParams(params);
  params.ClassName = L"Scintilla";
  params.Style |= WS_TABSTOP;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

intptr_t TMemo::Call(unsigned msg, uintptr_t wParam, intptr_t lParam) const {
  if (!Handle()) return 0;
  return static_cast<intptr_t>(SendMessageW(Handle(), msg, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam)));
}

void TMemo::HandleCreated() {
  // Double-byte text is measured through the wide-character text layer: Wine's 8-bit
  // measuring call overruns its result for double-byte characters.
  if (ViewCodePage() != 0) Call(SCI_SETTECHNOLOGY, SC_TECHNOLOGY_DIRECTWRITE);
  // A reader's view: no margins, no menu of its own, no zoom, nothing drawn but the text.
  for (int margin = 0; margin < 5; ++margin) Call(SCI_SETMARGINWIDTHN, static_cast<uintptr_t>(margin), 0);
  Call(SCI_USEPOPUP, SC_POPUP_NEVER);
  Call(SCI_SETSCROLLWIDTH, 1);
  Call(SCI_SETSCROLLWIDTHTRACKING, 1);
  Call(SCI_SETENDATLASTLINE, 1);
  for (int key : {SCK_ADD, SCK_SUBTRACT, SCK_DIVIDE}) Call(SCI_CLEARCMDKEY, static_cast<uintptr_t>(key + (SCMOD_CTRL << 16)));
  // The reader never changes its text: it has no use for notifications of changes.
  Call(SCI_SETMODEVENTMASK, SC_MOD_NONE);
  // The lines on the screen keep their layout while they stay there.
  Call(SCI_SETLAYOUTCACHE, SC_CACHE_PAGE);
  Call(SCI_INDICSETSTYLE, kStrikeIndicator, INDIC_STRIKE);
  ApplyWrapAndBars();
  ApplyDocument();
  ApplyLook();
}

// What belongs to the text the view holds: a new text needs it again.
void TMemo::ApplyDocument() {
  Call(SCI_SETCODEPAGE, static_cast<uintptr_t>(ViewCodePage()));
  Call(SCI_SETUNDOCOLLECTION, 0);
  Call(SCI_EMPTYUNDOBUFFER);
  Call(SCI_SETREADONLY, readOnly_);
  ApplyStrikeOut();
}

// The view has no strike-out font style: a line drawn through the whole text stands in.
void TMemo::ApplyStrikeOut() {
  Call(SCI_SETINDICATORCURRENT, kStrikeIndicator);
  const intptr_t length = Call(SCI_GETLENGTH);
  if (Font().Style.StrikeOut) Call(SCI_INDICATORFILLRANGE, 0, length);
  else Call(SCI_INDICATORCLEARRANGE, 0, length);
}

// The font over the whole text, on the window's colour; selected text in the system's colours.
void TMemo::ApplyLook() {
  if (!Handle()) return;
  const TFont& font = Font();
  Call(SCI_STYLESETFONT, STYLE_DEFAULT, reinterpret_cast<intptr_t>(font.Name.c_str()));
  const int pixels = font.Height < 0 ? -font.Height : font.Height;
  Call(SCI_STYLESETSIZEFRACTIONAL, STYLE_DEFAULT, MulDiv(pixels, 72 * SC_FONT_SIZE_MULTIPLIER, ScreenPixelsPerInch()));
  Call(SCI_STYLESETWEIGHT, STYLE_DEFAULT, font.Style.Bold ? SC_WEIGHT_BOLD : SC_WEIGHT_NORMAL);
  Call(SCI_STYLESETITALIC, STYLE_DEFAULT, font.Style.Italic);
  Call(SCI_STYLESETUNDERLINE, STYLE_DEFAULT, font.Style.Underline);
  Call(SCI_STYLESETCHARACTERSET, STYLE_DEFAULT, font.Charset);
  const COLORREF text = ColorToRGB(font.Color);
  Call(SCI_STYLESETFORE, STYLE_DEFAULT, static_cast<intptr_t>(text));
  Call(SCI_STYLESETBACK, STYLE_DEFAULT, static_cast<intptr_t>(ColorToRGB(Color())));
  Call(SCI_STYLECLEARALL);
  Call(SCI_SETCARETFORE, static_cast<uintptr_t>(text));
  Call(SCI_INDICSETFORE, kStrikeIndicator, static_cast<intptr_t>(text));
  Call(SCI_SETSELFORE, 1, static_cast<intptr_t>(GetSysColor(COLOR_HIGHLIGHTTEXT)));
  Call(SCI_SETSELBACK, 1, static_cast<intptr_t>(GetSysColor(COLOR_HIGHLIGHT)));
  Call(SCI_HIDESELECTION, hideSelection_ && !Focused());
  ApplyStrikeOut();
}

void TMemo::ApplyWrapAndBars() {
  Call(SCI_SETWRAPMODE, wordWrap_ ? SC_WRAP_WORD : SC_WRAP_NONE);
  Call(SCI_SETVSCROLLBAR, scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth);
  // Wrapped text never scrolls sideways.
  Call(SCI_SETHSCROLLBAR, !wordWrap_ && (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth));
}

void TMemo::FontChanged() {
  TControl::FontChanged();
  ApplyLook();
}

void TMemo::ColorChanged() { ApplyLook(); }

LRESULT TMemo::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Call(SCI_HIDESELECTION, hideSelection_ && msg == WM_KILLFOCUS);
      break;
    case WM_SYSCOLORCHANGE: {
      const LRESULT r = TControl::WndProc(msg, wParam, lParam);
      ApplyLook();
      return r;
    }
    case kViewIdleStep:
      // One step of idle work per tick of the view's idle timer (lParam 1), none chained
      // straight after it (lParam 0): a chain of posted steps comes before input, and under
      // Wine the display's input is read only now and then, so a long wrapped text kept
      // the reader deaf to keys and the wheel for seconds.
      if (lParam == 0) return 0;
      break;
    case WM_MOUSEWHEEL:
      // The wheel scrolls; with Ctrl it would zoom, which the reader does not.
      wParam &= ~static_cast<WPARAM>(MK_CONTROL);
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      // The keyboard's menu key opens the control's menu, as a right click does.
      if (wParam == VK_APPS) {
        WORD key = static_cast<WORD>(wParam);
        KeyDown(key, TShiftState::FromKeyboard());
        if (key && !DoContextPopup(-1)) return DefaultHandler(msg, wParam, lParam);
        return 0;
      }
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      // Its release opens nothing more.
      if (wParam == VK_APPS) {
        WORD key = static_cast<WORD>(wParam);
        KeyUp(key, TShiftState::FromKeyboard());
        return 0;
      }
      break;
    case WM_LBUTTONDOWN:
      // A press starts a new selection, inside the old one too: the view would keep it
      // for dragging the text away, which a read-only view offers no more than typing.
      if (!(wParam & MK_SHIFT) && SelLength() > 0) Call(SCI_SETEMPTYSELECTION, static_cast<uintptr_t>(Call(SCI_GETCURRENTPOS)));
      break;
    case WM_LBUTTONDBLCLK:
      // The view tells double clicks apart itself and reports one to itself after the
      // second press, which raised its mouse event already.
      return 0;
    default:
      break;
  }
  return TControl::WndProc(msg, wParam, lParam);
}

void TMemo::SetReadOnly(bool v) {
  readOnly_ = v;
  Call(SCI_SETREADONLY, v);
}

void TMemo::ToStart() {
  Call(SCI_GOTOPOS, 0);
  Call(SCI_SETFIRSTVISIBLELINE, 0);
  Call(SCI_SETXOFFSET, 0);
}

void TMemo::SetWordWrap(bool v) {
  if (v == wordWrap_) return;
  wordWrap_ = v;
  ApplyWrapAndBars();
  ToStart();
}

void TMemo::SetScrollBars(TScrollStyle v) {
  if (v == scrollBars_) return;
  scrollBars_ = v;
  ApplyWrapAndBars();
  ToStart();
}

std::string_view TMemo::Bytes() const {
  const auto length = static_cast<std::size_t>(Call(SCI_GETLENGTH));
  if (length == 0) return {};
  return {reinterpret_cast<const char*>(Call(SCI_GETCHARACTERPOINTER)), length};
}

std::wstring TMemo::TextW() const { return AnsiToWide(Bytes()); }

int TMemo::TextLength() const { return static_cast<int>(std::min<intptr_t>(Call(SCI_GETLENGTH), INT_MAX)); }

void TMemo::ShowDocument(void* document) {
  Call(SCI_SETDOCPOINTER, 0, reinterpret_cast<intptr_t>(document));
  ApplyDocument();
  ToStart();
}

void TMemo::Clear() {
  // A new empty text: the old one's storage goes back at once.
  const intptr_t empty = Call(SCI_CREATEDOCUMENT, 0, SC_DOCUMENTOPTION_STYLES_NONE);
  if (!empty) return;
  ShowDocument(reinterpret_cast<void*>(empty));
  Call(SCI_RELEASEDOCUMENT, 0, empty);
}

TMemo::TTextLoader::~TTextLoader() {
  if (loader_) AsLoader(loader_)->Release();
}

bool TMemo::TTextLoader::Add(std::string_view bytes) {
  if (!loader_) return false;
  // The view takes positions as signed sizes: hand very long texts over in parts.
  while (!bytes.empty()) {
    const std::size_t part = std::min<std::size_t>(bytes.size(), std::size_t{1} << 30);
    if (AsLoader(loader_)->AddData(bytes.data(), static_cast<Sci_Position>(part)) != SC_STATUS_OK) return false;
    bytes.remove_prefix(part);
  }
  return true;
}

std::unique_ptr<TMemo::TTextLoader> TMemo::BeginText(std::size_t capacity) {
  if (capacity > static_cast<std::size_t>(PTRDIFF_MAX / 2)) return nullptr;
  const int options = SC_DOCUMENTOPTION_STYLES_NONE | (capacity >= kLargeText ? SC_DOCUMENTOPTION_TEXT_LARGE : 0);
  const intptr_t loader = Call(SCI_CREATELOADER, capacity, options);
  // Making a loader resets how the view lays out the text it shows: lay it out again.
  if (const intptr_t shown = Call(SCI_GETDOCPOINTER)) {
    const int line = static_cast<int>(Call(SCI_GETFIRSTVISIBLELINE));
    const intptr_t anchor = Call(SCI_GETANCHOR), caret = Call(SCI_GETCURRENTPOS);
    Call(SCI_ADDREFDOCUMENT, 0, shown);
    Call(SCI_SETDOCPOINTER, 0, shown);
    Call(SCI_RELEASEDOCUMENT, 0, shown);
    Call(SCI_SETSEL, static_cast<uintptr_t>(anchor), caret);
    Call(SCI_SETFIRSTVISIBLELINE, static_cast<uintptr_t>(line));
  }
  if (!loader) return nullptr;
  return std::unique_ptr<TTextLoader>(new TTextLoader(*this, reinterpret_cast<void*>(loader)));
}

bool TMemo::Commit(std::unique_ptr<TTextLoader> loader) {
  if (!loader || !loader->loader_) return false;
  void* document = AsLoader(loader->loader_)->ConvertToDocument();
  loader->loader_ = nullptr;
  if (!document) return false;
  ShowDocument(document);
  // The view holds its own reference now.
  Call(SCI_RELEASEDOCUMENT, 0, reinterpret_cast<intptr_t>(document));
  return Call(SCI_GETDOCPOINTER) == reinterpret_cast<intptr_t>(document);
}

bool TMemo::SetText(std::string_view bytes) {
  std::unique_ptr<TTextLoader> loader = BeginText(bytes.size());
  if (!loader || !loader->Add(bytes)) return false;
  return Commit(std::move(loader));
}

int TMemo::SelStart() const { return static_cast<int>(Call(SCI_GETSELECTIONSTART)); }

int TMemo::SelLength() const { return static_cast<int>(Call(SCI_GETSELECTIONEND) - Call(SCI_GETSELECTIONSTART)); }

void TMemo::SetSel(int start, int length) {
  Call(SCI_SETSEL, static_cast<uintptr_t>(start), start + length);
}

void TMemo::SetSelLength(int length) {
  SetSel(SelStart(), length);
  Call(SCI_SCROLLCARET);
}

void TMemo::SelectAll() { Call(SCI_SELECTALL); }

void TMemo::CopyToClipboard() {
  if (SelLength() > 0) Call(SCI_COPY);
}

void TMemo::SetLockDrawing(bool locked) {
  SendMessageW(Handle(), WM_SETREDRAW, locked ? FALSE : TRUE, 0);
  if (!locked) Repaint();
}

void TMemo::Change() {
  if (OnChange) OnChange(this);
}
