#include "platform/text_encoding.h"

#include <gtest/gtest.h>

TEST(ValidUtf8, KeepsValidUtf8AndReadsOtherBytesAsMacRoman) {
  EXPECT_EQ(validutf8("North 10 km"), "North 10 km");
  EXPECT_EQ(validutf8("45\xC2\xB0 Gen\xC3\xA8ve \xE2\x82\xAC"), "45\xC2\xB0 Gen\xC3\xA8ve \xE2\x82\xAC");
  // The degree and section signs of the program's own tables.
  EXPECT_EQ(validutf8("45\xA1"), "45\xC2\xB0");
  EXPECT_EQ(validutf8("\xA4 2"), "\xC2\xA7 2");
  EXPECT_EQ(validutf8("\x80\xFF"), "\xC3\x84\xCB\x87");
}

TEST(ValidUtf8, NeverPassesAnInvalidSequence) {
  // Overlong form, UTF-16 surrogate, beyond U+10FFFF, a lead byte without
  // its continuation, a lone continuation byte: each byte on its own.
  EXPECT_EQ(validutf8("\xC0\x80"), "\xC2\xBF\xC3\x84");
  EXPECT_EQ(validutf8("\xED\xA0\x80"), "\xC3\x8C\xE2\x80\xA0\xC3\x84");
  EXPECT_EQ(validutf8("\xF4\x90\x80\x80"), "\xC3\x99\xC3\xAA\xC3\x84\xC3\x84");
  EXPECT_EQ(validutf8("a\xC3"), "a\xE2\x88\x9A");
  EXPECT_EQ(validutf8("\x80" "a"), "\xC3\x84" "a");
}

TEST(Utf8Cut, NeverSplitsACharacter) {
  const std::string text = "ab\xC3\xA9" "c";  // a b e-acute c
  EXPECT_EQ(utf8cut(text, 2), 2u);
  EXPECT_EQ(utf8cut(text, 3), 2u);  // inside the e-acute: cut before it
  EXPECT_EQ(utf8cut(text, 4), 4u);
  EXPECT_EQ(utf8cut("\xE2\x82\xAC\xE2\x82\xAC", 5), 3u);
  // Mac OS Roman bytes are single characters: cut where asked.
  EXPECT_EQ(utf8cut("a\xC3z", 2), 2u);
  EXPECT_EQ(utf8cut("", 0), 0u);
}
