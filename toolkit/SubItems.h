#pragma once
// The texts of a list item's sub-items, packed in one block: the count and each text's
// end offset first, then the texts one after the other. A listing of 100,000 entries
// then holds one small pointer and one allocation per entry instead of a vector and
// several strings.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string_view>

class TSubItems {
 public:
  TSubItems() = default;
  TSubItems(std::initializer_list<std::string_view> texts) { Assign(texts); }
  TSubItems(const TSubItems& other);
  TSubItems& operator=(const TSubItems& other);
  TSubItems(TSubItems&&) noexcept = default;
  TSubItems& operator=(TSubItems&&) noexcept = default;

  std::size_t size() const { return block_ ? ReadOffset(0) : 0; }
  bool empty() const { return size() == 0; }
  // The text of sub-item `index`; empty beyond the last one.
  std::string_view operator[](std::size_t index) const;

  // Replaces all texts at once.
  void Assign(std::initializer_list<std::string_view> texts) { Assign(texts.begin(), texts.size()); }
  void Assign(const std::string_view* texts, std::size_t count);
  // Replaces one text; sub-items up to `index` that did not exist yet are added empty.
  void Set(std::size_t index, std::string_view text);
  void Append(std::string_view text) { Set(size(), text); }
  void Clear() { block_.reset(); }

  friend bool operator==(const TSubItems& a, const TSubItems& b);

 private:
  using TOffset = std::uint32_t;
  // Slot 0 holds the count, slot k + 1 the end of text k (from the start of the texts).
  TOffset ReadOffset(std::size_t slot) const;
  std::size_t BlockSize() const;

  std::unique_ptr<char[]> block_;  // null while there are no texts
};
