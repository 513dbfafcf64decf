// Text from outside a list is taken as UTF-8 only when it is well-formed UTF-8.
#include <gtest/gtest.h>

#include "base/NameText.h"

namespace lumoscope {
namespace {

TEST(NameTextTest, TextToUtf8KeepsUtf8AndDecodesTheRestAsLatin1) {
  const struct {
    const char* text;
    const char* utf8;
  } cases[] = {
      {"ZDF", "ZDF"},
      {"S\xC3\xBC", "S\xC3\xBC"},                                // UTF-8 already
      {"S\xFC", "S\xC3\xBC"},                                    // Latin-1
      {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                          // an overlong form is no UTF-8
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},              // nor is a surrogate
      {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"},  // nor a code point above U+10FFFF
      {"\xE2\x82", "\xC3\xA2\xC2\x82"},                          // nor a cut-off sequence
      {"\xF0\x9F\x93\xBA", "\xF0\x9F\x93\xBA"},                  // four bytes
  };
  for (const auto& c : cases) EXPECT_EQ(TextToUtf8(c.text, NameCodec()), c.utf8) << c.text;
}

}  // namespace
}  // namespace lumoscope
