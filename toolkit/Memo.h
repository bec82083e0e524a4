#pragma once
// Multi-line, byte-based text view. The window is the text component registered
// under the class name "Scintilla", hosted as the toolkit's multi-line control: it
// shows bytes as characters of the system code page and keeps them itself, so a
// text reaches it once and is read back from its own storage. WordWrap and
// ScrollBars change in place; the text stays and the caret returns to the start.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "toolkit/Control.h"

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TControl {
 public:
  TMemo(TComponent* owner, TControl* parent);
  ~TMemo() override;

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle v);
  bool HideSelection() const { return hideSelection_; }
  bool WantsTab() const override { return false; }

  // A copy of the bytes the view holds.
  std::string Bytes() const;
  // Bytes from `start` on, read in place up to `length` of them or up to where the
  // view's storage is split, whichever comes first: reading never makes the view move
  // or gather its text. Valid until its text changes; empty when the view cannot give them.
  std::string_view BytesAt(std::int64_t start, std::int64_t length) const;
  // The text as UTF-16, converted from the system code page.
  std::wstring TextW() const;
  // False when the view refuses the text because it cannot hold it; its text is then unchanged.
  bool SetText(std::string_view bytes);
  std::int64_t TextLength() const;
  virtual void Clear();

  // A new text handed to the view piece by piece: the view keeps each piece as it
  // arrives, nothing is held twice. The view's text is unchanged until Commit.
  class TTextLoader {
   public:
    ~TTextLoader();
    TTextLoader(const TTextLoader&) = delete;
    TTextLoader& operator=(const TTextLoader&) = delete;
    // False when the view cannot hold more.
    bool Add(std::string_view bytes);

   private:
    friend class TMemo;
    TTextLoader(TMemo& memo, void* loader) : memo_(memo), loader_(loader) {}
    TMemo& memo_;
    void* loader_;  // the view's loader interface
  };
  // Room for `capacity` bytes (more may follow, up to `atMost` in all); null when the
  // view refuses a text of that size.
  std::unique_ptr<TTextLoader> BeginText(std::size_t capacity, std::size_t atMost = 0);
  // Shows what the loader holds; the caret goes to the start, the first line to the top.
  // False when the view refuses it; its text is then unchanged.
  bool Commit(std::unique_ptr<TTextLoader> loader);

  // Positions and lengths in bytes of the text, which may pass 2 GiB.
  std::int64_t SelStart() const;
  std::int64_t SelLength() const;
  void SetSel(std::int64_t start, std::int64_t length);
  void SetSelLength(std::int64_t length);  // keeps the start, scrolls the caret into view
  void SelectAll();
  // The selected bytes as CF_TEXT and, converted from the system code page, as
  // CF_UNICODETEXT: what the view shows is what is copied.
  void CopyToClipboard();
  void SetLockDrawing(bool locked);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void FontChanged() override;
  void ColorChanged() override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void Change();
  // Direct call into the view.
  intptr_t Call(unsigned msg, uintptr_t wParam = 0, intptr_t lParam = 0) const;

 private:
  void ApplyLook();
  void ApplyDocument();
  void ApplyStrikeOut();
  void ApplyWrapAndBars();
  void ToStart();
  void ShowDocument(void* document);
  void KeepOnlyCaretKeys();
  // The bytes from `start` to `end` as UTF-16 of the system code page, appended to `out`
  // (counted only when it is null) until it holds `limit` units or more; the units made.
  std::size_t WidenRange(std::int64_t start, std::int64_t end, std::wstring* out,
                         std::size_t limit = std::wstring::npos) const;
  LRESULT GetText(WPARAM size, LPARAM buffer) const;

  bool readOnly_ = false;
  bool wordWrap_ = true;
  TScrollStyle scrollBars_ = TScrollStyle::ssNone;
  bool hideSelection_ = true;
};
