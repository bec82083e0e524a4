#include "toolkit/Memo.h"

#include <ILoader.h>
#include <Scintilla.h>

#include <ole2.h>

#include <algorithm>

#include "toolkit/Handles.h"
#include "toolkit/Utf.h"

namespace {
// The indicator that draws the font's strike-out line over the whole text.
constexpr int kStrikeIndicator = INDICATOR_CONTAINER;
// Texts past this many bytes need the view's wide positions.
constexpr std::size_t kLargeText = 0x70000000;
// The view's message for its next step of work while idle (wrapping a long text).
constexpr UINT kViewIdleStep = 5001;
// Text is converted to UTF-16 in parts of at most this many bytes: the platform's
// conversion counts in int.
constexpr std::int64_t kConvertPart = std::int64_t{1} << 30;

// UTF-16 units of bytes of the system code page (at most 2^31 - 1 of them).
std::size_t AnsiUnits(std::string_view bytes) {
  const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  return n > 0 ? static_cast<std::size_t>(n) : 0;
}

// A movable block of `size` bytes for the clipboard, filled by `fill`; null when there is no room.
template <class Fill>
UniqueGlobal ClipboardBlock(std::size_t size, Fill fill) {
  UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, size));
  void* target = block ? GlobalLock(block.get()) : nullptr;
  if (!target) return UniqueGlobal();
  fill(static_cast<char*>(target));
  GlobalUnlock(block.get());
  return block;
}

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
  KeepOnlyCaretKeys();
  // The view takes drops of text, which a read-only view refuses anyway; without its
  // registration, files dropped over it reach the window's own file drop.
  RevokeDragDrop(Handle());
  // The reader never changes its text: it has no use for notifications of changes.
  Call(SCI_SETMODEVENTMASK, SC_MOD_NONE);
  // The lines on the screen keep their layout while they stay there.
  Call(SCI_SETLAYOUTCACHE, SC_CACHE_PAGE);
  Call(SCI_INDICSETSTYLE, kStrikeIndicator, INDIC_STRIKE);
  ApplyWrapAndBars();
  ApplyDocument();
  ApplyLook();
}

// The reader's keys move the caret, with Shift they extend the selection. The view's
// other keys (copying a line, cutting one, block selection, zoom, ...) are taken away:
// no key copies or changes anything beyond them.
void TMemo::KeepOnlyCaretKeys() {
  Call(SCI_CLEARALLCMDKEYS);
  struct TCaretKey {
    int key, ctrl, move, extend;
  };
  static constexpr TCaretKey keys[] = {
      {SCK_LEFT, 0, SCI_CHARLEFT, SCI_CHARLEFTEXTEND},     {SCK_RIGHT, 0, SCI_CHARRIGHT, SCI_CHARRIGHTEXTEND},
      {SCK_UP, 0, SCI_LINEUP, SCI_LINEUPEXTEND},           {SCK_DOWN, 0, SCI_LINEDOWN, SCI_LINEDOWNEXTEND},
      {SCK_HOME, 0, SCI_VCHOME, SCI_VCHOMEEXTEND},         {SCK_END, 0, SCI_LINEEND, SCI_LINEENDEXTEND},
      {SCK_PRIOR, 0, SCI_PAGEUP, SCI_PAGEUPEXTEND},        {SCK_NEXT, 0, SCI_PAGEDOWN, SCI_PAGEDOWNEXTEND},
      {SCK_HOME, SCMOD_CTRL, SCI_DOCUMENTSTART, SCI_DOCUMENTSTARTEXTEND},
      {SCK_END, SCMOD_CTRL, SCI_DOCUMENTEND, SCI_DOCUMENTENDEXTEND}};
  for (const TCaretKey& k : keys) {
    Call(SCI_ASSIGNCMDKEY, static_cast<uintptr_t>(k.key + (k.ctrl << 16)), k.move);
    Call(SCI_ASSIGNCMDKEY, static_cast<uintptr_t>(k.key + ((k.ctrl | SCMOD_SHIFT) << 16)), k.extend);
  }
}

// What belongs to the text the view holds: a new text needs it again.
void TMemo::ApplyDocument() {
  Call(SCI_SETCODEPAGE, static_cast<uintptr_t>(ViewCodePage()));
  // Each text starts with its own width: the sideways range grows with the widest line painted.
  Call(SCI_SETSCROLLWIDTH, 1);
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
    case WM_RBUTTONDOWN:
      // A right press takes the focus and leaves the selection alone wherever it lands,
      // below the text too: the menu that opens on its release copies what is selected.
      ::SetFocus(Handle());
      MouseDown(TMouseButton::mbRight, wParam, lParam, false);
      return 0;
    case WM_COPY:
      CopyToClipboard();
      return 0;
    case WM_GETTEXTLENGTH:
      // A single-byte code page gives one unit per byte; a double-byte one is counted.
      return static_cast<LRESULT>(ViewCodePage() == 0 ? TextLength() : WidenRange(0, TextLength(), nullptr));
    case WM_GETTEXT:
      // Read by screen readers: the characters shown, in the system code page.
      return GetText(wParam, lParam);
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

std::string_view TMemo::BytesAt(std::int64_t start, std::int64_t length) const {
  const std::int64_t size = TextLength();
  start = std::clamp<std::int64_t>(start, 0, size);
  length = std::min(length, size - start);
  if (length <= 0) return {};
  // A range across the split of the view's storage would make it move the text to join it.
  const std::int64_t gap = Call(SCI_GETGAPPOSITION);
  if (start < gap && start + length > gap) length = gap - start;
  const auto* bytes = reinterpret_cast<const char*>(Call(SCI_GETRANGEPOINTER, static_cast<uintptr_t>(start), length));
  if (!bytes) return {};
  return {bytes, static_cast<std::size_t>(length)};
}

std::string TMemo::Bytes() const {
  std::string bytes;
  for (std::int64_t at = 0, size = TextLength(); at < size;) {
    const std::string_view part = BytesAt(at, size - at);
    if (part.empty()) break;
    bytes.append(part);
    at += static_cast<std::int64_t>(part.size());
  }
  return bytes;
}

std::size_t TMemo::WidenRange(std::int64_t start, std::int64_t end, std::wstring* out, std::size_t limit) const {
  std::size_t made = 0;
  while (start < end && made < limit) {
    std::int64_t stop = start + std::min(end - start, kConvertPart);
    // No more bytes than the units still wanted need: each unit takes one or two bytes.
    if (limit != std::wstring::npos && static_cast<std::uint64_t>(stop - start) / 2 > limit - made)
      stop = start + static_cast<std::int64_t>(2 * (limit - made) + 2);
    // A part ends where a character does: a double-byte one is converted whole.
    if (stop < end) stop = std::min<std::int64_t>(end, Call(SCI_POSITIONAFTER, Call(SCI_POSITIONBEFORE, stop)));
    while (start < stop) {
      const std::string_view part = BytesAt(start, stop - start);
      if (part.empty()) return made;
      if (out) {
        const std::wstring wide = AnsiToWide(part);
        out->append(wide);
        made += wide.size();
      } else {
        made += AnsiUnits(part);
      }
      start += static_cast<std::int64_t>(part.size());
    }
  }
  return made;
}

std::wstring TMemo::TextW() const {
  std::wstring text;
  WidenRange(0, TextLength(), &text);
  return text;
}

LRESULT TMemo::GetText(WPARAM size, LPARAM buffer) const {
  auto* out = reinterpret_cast<wchar_t*>(buffer);
  if (!out || size == 0) return 0;
  const std::size_t room = static_cast<std::size_t>(size) - 1;
  std::wstring text;
  WidenRange(0, TextLength(), &text, room);
  const std::size_t n = std::min(text.size(), room);
  std::copy_n(text.data(), n, out);
  out[n] = L'\0';
  return static_cast<LRESULT>(n);
}

std::int64_t TMemo::TextLength() const { return Call(SCI_GETLENGTH); }

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

std::unique_ptr<TMemo::TTextLoader> TMemo::BeginText(std::size_t capacity, std::size_t atMost) {
  if (capacity > static_cast<std::size_t>(PTRDIFF_MAX / 2)) return nullptr;
  // A text that may grow past what narrow positions reach needs the wide ones from the start.
  const bool large = std::max(capacity, atMost) >= kLargeText;
  const int options = SC_DOCUMENTOPTION_STYLES_NONE | (large ? SC_DOCUMENTOPTION_TEXT_LARGE : 0);
  const intptr_t loader = Call(SCI_CREATELOADER, capacity, options);
  // Making a loader resets how the view lays out the text it shows: lay it out again,
  // with the same document line on top (wrapped rows are counted anew), the same
  // sideways offset and the same selection.
  if (const intptr_t shown = Call(SCI_GETDOCPOINTER)) {
    const intptr_t top = Call(SCI_DOCLINEFROMVISIBLE, static_cast<uintptr_t>(Call(SCI_GETFIRSTVISIBLELINE)));
    const intptr_t x = Call(SCI_GETXOFFSET);
    const intptr_t anchor = Call(SCI_GETANCHOR), caret = Call(SCI_GETCURRENTPOS);
    Call(SCI_ADDREFDOCUMENT, 0, shown);
    Call(SCI_SETDOCPOINTER, 0, shown);
    Call(SCI_RELEASEDOCUMENT, 0, shown);
    Call(SCI_SETSEL, static_cast<uintptr_t>(anchor), caret);
    Call(SCI_SETFIRSTVISIBLELINE, static_cast<uintptr_t>(Call(SCI_VISIBLEFROMDOCLINE, static_cast<uintptr_t>(top))));
    Call(SCI_SETXOFFSET, static_cast<uintptr_t>(x));
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

std::int64_t TMemo::SelStart() const { return Call(SCI_GETSELECTIONSTART); }

std::int64_t TMemo::SelLength() const { return Call(SCI_GETSELECTIONEND) - Call(SCI_GETSELECTIONSTART); }

void TMemo::SetSel(std::int64_t start, std::int64_t length) {
  Call(SCI_SETSEL, static_cast<uintptr_t>(start), static_cast<intptr_t>(start + length));
}

void TMemo::SetSelLength(std::int64_t length) {
  SetSel(SelStart(), length);
  Call(SCI_SCROLLCARET);
}

void TMemo::SelectAll() { Call(SCI_SELECTALL); }

void TMemo::CopyToClipboard() {
  const std::int64_t start = SelStart(), end = start + SelLength();
  if (end <= start) return;
  const auto size = static_cast<std::size_t>(end - start);
  bool whole = true;
  UniqueGlobal bytes = ClipboardBlock(size + 1, [&](char* to) {
    std::size_t at = 0;
    while (at < size) {
      const std::string_view part = BytesAt(start + static_cast<std::int64_t>(at), static_cast<std::int64_t>(size - at));
      if (part.empty()) break;
      std::copy(part.begin(), part.end(), to + at);
      at += part.size();
    }
    whole = at == size;
    to[at] = '\0';
  });
  std::wstring wide;
  WidenRange(start, end, &wide);
  UniqueGlobal units = ClipboardBlock((wide.size() + 1) * sizeof(wchar_t), [&](char* to) {
    std::copy_n(reinterpret_cast<const char*>(wide.c_str()), (wide.size() + 1) * sizeof(wchar_t), to);
  });
  // Half a copy is no copy: the clipboard keeps what it had.
  if (!bytes || !units || !whole || !OpenClipboard(Handle())) return;
  EmptyClipboard();
  // The clipboard owns each block it takes.
  if (SetClipboardData(CF_TEXT, bytes.get())) bytes.release();
  if (SetClipboardData(CF_UNICODETEXT, units.get())) units.release();
  CloseClipboard();
}

void TMemo::SetLockDrawing(bool locked) {
  SendMessageW(Handle(), WM_SETREDRAW, locked ? FALSE : TRUE, 0);
  if (!locked) Repaint();
}

void TMemo::Change() {
  if (OnChange) OnChange(this);
}
