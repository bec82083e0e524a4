#pragma once
// The reader pane: a read-only text view that shows a whole file's bytes as
// characters of the system code page, every line ending in CR LF.
#include <string>

#include "toolkit/Memo.h"

class TReader : public TMemo {
 public:
  TReader(TComponent* owner, TControl* parent);

  // Shows the file. Raises "Cannot open file %s" or "Text exceeds memo capacity"
  // and keeps the previous text when it cannot. An unchanged file keeps caret,
  // selection and scroll position and raises no change notification.
  void LoadFromFile(const std::string& path);
  // Selection length 0 at the current start, caret scrolled into view.
  void Collapse();

 private:
  void Load(const std::string& path);
};
