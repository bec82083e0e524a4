#include <gtest/gtest.h>

#include "app/LineBreaks.h"

namespace {
const TLeadByteTable kSingleByte{};

std::string Normalized(std::string text, const TLeadByteTable& lead = kSingleByte) {
  NormalizeLineBreaks(text, lead);
  return text;
}
}  // namespace

TEST(LineBreaks, EveryKindOfLineEndBecomesCrLf) {
  EXPECT_EQ(Normalized("a\rb"), "a\r\nb");
  EXPECT_EQ(Normalized("a\nb"), "a\r\nb");
  EXPECT_EQ(Normalized("a\r\nb"), "a\r\nb");
  EXPECT_EQ(Normalized("end\r"), "end\r\n");
  EXPECT_EQ(Normalized("\n"), "\r\n");
}

TEST(LineBreaks, MixedSequencesGiveOneEmptyLine) {
  EXPECT_EQ(Normalized("one\r\r\ntwo"), "one\r\n\r\ntwo");
  EXPECT_EQ(Normalized("one\n\rtwo"), "one\r\n\r\ntwo");
  EXPECT_EQ(Normalized("x\n\n\ny"), "x\r\n\r\n\r\ny");
}

TEST(LineBreaks, UnchangedBufferIsLeftAlone) {
  std::string text = "already\r\nfine\r\n";
  const char* before = text.data();
  EXPECT_FALSE(NormalizeLineBreaks(text, kSingleByte));
  EXPECT_EQ(text.data(), before);
  std::string empty;
  EXPECT_FALSE(NormalizeLineBreaks(empty, kSingleByte));
  EXPECT_EQ(CountLoneBreaks("a\rb\nc\r\nd", kSingleByte), 2u);
}

TEST(LineBreaks, ZeroBytesAreKept) {
  // The cut at the first zero byte is the view's business, not the normaliser's.
  const std::string text("a\0b\nc", 5);
  EXPECT_EQ(Normalized(text), std::string("a\0b\r\nc", 6));
}

TEST(LineBreaks, TrailByteOfADoubleByteCharacterIsNeverABreak) {
  TLeadByteTable lead{};
  lead[0x81] = true;
  // 0x81 0x0A is one character; the LF after it is a real line end.
  EXPECT_EQ(Normalized(std::string("\x81\n\n", 3), lead), std::string("\x81\n\r\n", 4));
  EXPECT_EQ(CountLoneBreaks(std::string("\x81\r", 2), lead), 0u);
  // A lead byte at the very end has no trail byte.
  EXPECT_EQ(Normalized(std::string("\n\x81", 2), lead), std::string("\r\n\x81", 3));
}

// A text read in pieces and mended through a small block comes out as the whole text
// mended at once, wherever the pieces are cut: a CR LF pair or a double-byte character
// split between two pieces stays one.
TEST(LineBreaks, PiecesGiveWhatTheWholeGives) {
  TLeadByteTable lead{};
  lead[0x81] = true;
  const struct {
    std::string text;
    const TLeadByteTable& lead;
  } cases[] = {{"ab\r\ncd\ref\ngh\r\r\n\n\rend\r", kSingleByte},
               {std::string("x\x81\ny\r\n\x81\rz\n\x81", 11), lead},
               {"\r\n\r\n", kSingleByte}};
  for (const auto& c : cases) {
    const std::string whole = Normalized(c.text, c.lead);
    for (std::size_t cut = 0; cut <= c.text.size(); ++cut) {
      std::string out, carried;
      for (const bool last : {false, true}) {
        const std::string_view all(c.text);
        const std::string text = carried + std::string(last ? all.substr(cut) : all.substr(0, cut));
        const TPieceScan scan = ScanPiece(text, c.lead, last);
        const std::string_view complete = std::string_view(text).substr(0, scan.complete);
        EXPECT_EQ(scan.lone, CountLoneBreaks(complete, c.lead));
        char block[3];
        for (std::size_t from = 0; from < complete.size();) out.append(block, NormalizeInto(complete, from, c.lead, block, sizeof block));
        carried = text.substr(scan.complete);
      }
      EXPECT_EQ(out, whole) << "cut at " << cut;
      EXPECT_EQ(carried, "");
    }
  }
}

TEST(LineBreaks, EmptyLinesUnderADoubleByteCodePage) {
  TLeadByteTable lead{};
  lead[0x82] = true;
  // Two line feeds outside a character are two breaks, whatever comes before them.
  EXPECT_EQ(Normalized("a\n\nb", lead), "a\r\n\r\nb");
  EXPECT_EQ(Normalized("\x82\xA0\n\n\r\r\n", lead), "\x82\xA0\r\n\r\n\r\n\r\n");
  EXPECT_EQ(CountLoneBreaks("\n\n\x82\n", lead), 2u);
}
