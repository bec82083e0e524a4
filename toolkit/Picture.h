#pragma once
// Pictures: a graphic (one kind of image, drawn at its natural size) held by a
// picture object that copies what it is given and owns it.
#include <windows.h>

#include <functional>
#include <memory>

class TGraphic {
 public:
  TGraphic() = default;
  TGraphic(const TGraphic&) = delete;
  TGraphic& operator=(const TGraphic&) = delete;
  virtual ~TGraphic() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Draws the image with its top-left corner at (x, y).
  virtual void Draw(HDC dc, int x, int y) = 0;
  // A separate copy of the same image.
  virtual std::unique_ptr<TGraphic> Clone() const = 0;
};

class TPicture {
 public:
  TPicture() = default;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  TGraphic* Graphic() const { return graphic_.get(); }
  void SetGraphic(std::unique_ptr<TGraphic> graphic);
  // Copies the other picture's graphic (empty when it has none).
  void Assign(const TPicture& other);
  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  // After every change of the graphic.
  std::function<void()> OnChange;

 private:
  std::unique_ptr<TGraphic> graphic_;
};
