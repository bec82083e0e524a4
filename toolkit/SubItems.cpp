#include "toolkit/SubItems.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace {
constexpr std::size_t kSlot = sizeof(std::uint32_t);

std::uint32_t CheckedOffset(std::size_t value) {
  if (value > 0xFFFFFFFFu) throw std::length_error("Sub-item texts too long");
  return static_cast<std::uint32_t>(value);
}

void WriteSlot(char* block, std::size_t slot, std::uint32_t value) {
  std::memcpy(block + slot * kSlot, &value, sizeof value);
}
}  // namespace

TSubItems::TSubItems(const TSubItems& other) {
  if (!other.block_) return;
  const std::size_t n = other.BlockSize();
  block_ = std::make_unique<char[]>(n);
  std::memcpy(block_.get(), other.block_.get(), n);
}

TSubItems& TSubItems::operator=(const TSubItems& other) {
  if (this != &other) *this = TSubItems(other);
  return *this;
}

bool operator==(const TSubItems& a, const TSubItems& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k)
    if (a[k] != b[k]) return false;
  return true;
}

TSubItems::TOffset TSubItems::ReadOffset(std::size_t slot) const {
  TOffset value;
  std::memcpy(&value, block_.get() + slot * kSlot, sizeof value);
  return value;
}

std::size_t TSubItems::BlockSize() const {
  const std::size_t count = size();
  return (count + 1) * kSlot + (count == 0 ? 0 : ReadOffset(count));
}

std::string_view TSubItems::operator[](std::size_t index) const {
  const std::size_t count = size();
  if (index >= count) return {};
  const std::size_t begin = index == 0 ? 0 : ReadOffset(index);
  const std::size_t end = ReadOffset(index + 1);
  return std::string_view(block_.get() + (count + 1) * kSlot + begin, end - begin);
}

void TSubItems::Assign(const std::string_view* texts, std::size_t count) {
  if (count == 0) {
    block_.reset();
    return;
  }
  std::size_t total = 0;
  for (std::size_t k = 0; k < count; ++k) total += texts[k].size();
  const std::size_t start = (count + 1) * kSlot;
  CheckedOffset(total);
  // Built aside: the texts may lie in the present block.
  auto block = std::make_unique<char[]>(start + total);
  WriteSlot(block.get(), 0, CheckedOffset(count));
  std::size_t end = 0;
  for (std::size_t k = 0; k < count; ++k) {
    if (!texts[k].empty()) std::memcpy(block.get() + start + end, texts[k].data(), texts[k].size());
    end += texts[k].size();
    WriteSlot(block.get(), k + 1, static_cast<std::uint32_t>(end));
  }
  block_ = std::move(block);
}

void TSubItems::Set(std::size_t index, std::string_view text) {
  // Rare next to Assign: the texts are gathered and packed anew.
  const std::size_t count = std::max(size(), index + 1);
  std::vector<std::string_view> texts(count);
  for (std::size_t k = 0; k < count; ++k) texts[k] = (*this)[k];
  texts[index] = text;
  Assign(texts.data(), count);
}
