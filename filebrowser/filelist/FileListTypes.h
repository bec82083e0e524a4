#pragma once
// The small value types of the file list's properties.
#include <cstdint>
#include <initializer_list>

enum TFileAttr : std::uint8_t { ftReadOnly, ftHidden, ftSystem, ftArchive, ftNormal };

// A set of TFileAttr.
class TFileType {
 public:
  constexpr TFileType() = default;
  constexpr TFileType(std::initializer_list<TFileAttr> attrs) {
    for (TFileAttr a : attrs) Include(a);
  }
  static constexpr TFileType FromBits(std::uint8_t bits) {
    TFileType t;
    t.bits_ = static_cast<std::uint8_t>(bits & kAll);
    return t;
  }

  constexpr bool Contains(TFileAttr a) const { return (bits_ & Bit(a)) != 0; }
  constexpr TFileType& Include(TFileAttr a) {
    bits_ = static_cast<std::uint8_t>(bits_ | Bit(a));
    return *this;
  }
  constexpr TFileType& Exclude(TFileAttr a) {
    bits_ = static_cast<std::uint8_t>(bits_ & ~Bit(a));
    return *this;
  }
  constexpr bool Empty() const { return bits_ == 0; }
  // Bit n stands for the member with the value n.
  constexpr std::uint8_t Bits() const { return bits_; }
  friend constexpr bool operator==(const TFileType&, const TFileType&) = default;

 private:
  static constexpr std::uint8_t kAll = 0x1F;
  static constexpr std::uint8_t Bit(TFileAttr a) { return static_cast<std::uint8_t>(1u << a); }
  std::uint8_t bits_ = 0;
};

enum TFileSize : std::uint8_t { fsKB, fsByte };

enum TDtFormat : std::uint8_t {
  df_MMddyyyy,
  df_MMddyy,
  df_ddMMyyyy,
  df_ddMMyy_GB,
  df_ddMMyy_DE,
  df_ddMMyy_IT,
  df_yyyyMMdd,
  df_yyMMdd,
  df_Customize
};

enum TTmFormat : std::uint8_t { tfLongFormat, tfShortFormat, tfCustomize };
