#pragma once
// Names in a channel list are 8-bit text: the receiver shows each byte with the character
// set of its firmware, and a list keeps the bytes as they are (loading and saving never
// convert them). What a person reads and types, and what the program hands to other
// programs (exports, printouts, reports), is UTF-8. The name encoding says which single-
// byte character set the receiver uses: ISO-8859-1 unless the person chose another in the
// options. The conversions are glibc's iconv and the matching of names uses ICU's Unicode
// data; no character table is made by hand (but for the few letters with a stroke).
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace lumoscope {

enum class NameEncoding {
  Iso8859_1,   // Western Europe (Latin-1), what the program always assumed
  Iso8859_2,   // Central Europe
  Iso8859_5,   // Cyrillic
  Iso8859_7,   // Greek
  Iso8859_9,   // Turkish
  Iso8859_15,  // Western Europe with the euro sign
  Windows1250,
  Windows1251,
  Windows1252,
};

inline constexpr NameEncoding kDefaultNameEncoding = NameEncoding::Iso8859_1;

// The encodings offered, in the order the option dialog lists them. The name is the one
// iconv knows, the one the settings store keeps and the one the command line takes; the
// label is how the option dialog offers it, with the script it is for.
struct NameEncodingInfo {
  NameEncoding encoding;
  std::string_view name;
  std::string_view label;
};
inline constexpr std::array<NameEncodingInfo, 9> kNameEncodings{{
    {NameEncoding::Iso8859_1, "ISO-8859-1", "ISO-8859-1 (Western European)"},
    {NameEncoding::Iso8859_2, "ISO-8859-2", "ISO-8859-2 (Central European)"},
    {NameEncoding::Iso8859_5, "ISO-8859-5", "ISO-8859-5 (Cyrillic)"},
    {NameEncoding::Iso8859_7, "ISO-8859-7", "ISO-8859-7 (Greek)"},
    {NameEncoding::Iso8859_9, "ISO-8859-9", "ISO-8859-9 (Turkish)"},
    {NameEncoding::Iso8859_15, "ISO-8859-15", "ISO-8859-15 (Western European with the euro sign)"},
    {NameEncoding::Windows1250, "WINDOWS-1250", "Windows-1250 (Central European)"},
    {NameEncoding::Windows1251, "WINDOWS-1251", "Windows-1251 (Cyrillic)"},
    {NameEncoding::Windows1252, "WINDOWS-1252", "Windows-1252 (Western European)"},
}};

std::string_view NameEncodingName(NameEncoding encoding);
// The encoding of a name from the list above, in any case; nothing for any other text.
std::optional<NameEncoding> FindNameEncoding(std::string_view name);

// Decodes stored names for display and encodes typed names for storing, in one encoding.
class NameCodec {
 public:
  explicit NameCodec(NameEncoding encoding = kDefaultNameEncoding);

  NameEncoding Encoding() const { return encoding_; }

  // The UTF-8 text of a name as the list stores it. Bytes below 0x80 stay as they are; a
  // byte the encoding leaves undefined shows as U+FFFD.
  std::string Decode(std::string_view stored) const;

  // The bytes that store a typed UTF-8 text, one per character. Nothing when the text is
  // no valid UTF-8 or holds a character the encoding has no byte for; `problem` then says
  // why, naming the character: `the name encoding ISO-8859-1 has no character "ř" (U+0159)`.
  std::optional<std::string> Encode(std::string_view text, std::string& problem) const;

 private:
  NameEncoding encoding_;
  // The UTF-8 text of each byte from 0x80 up, made once by iconv.
  std::array<std::string, 128> upperHalf_;
};

// Characters (code points) of a UTF-8 text; bytes that are no valid UTF-8 count one each.
size_t Utf8Length(std::string_view text);

// True when `text` is well-formed UTF-8 (no overlong forms, surrogates or code points
// above U+10FFFF).
bool IsUtf8(std::string_view text);

// Text from outside the list (a file of channel names a person wrote, a file name): kept
// when it is UTF-8, else decoded with `names` like the list's names.
std::string TextToUtf8(std::string_view text, const NameCodec& names);

// A UTF-8 text as names are matched, by the filter, the keyboard search and every
// comparison of names: each letter in one case and without its accents ("Télé" and
// "tele", "Süd" and "sud", Greek and Cyrillic alike), through ICU's Unicode data. Bytes
// that are no valid UTF-8 stay as they are.
std::string FoldCase(std::string_view utf8);

}  // namespace lumoscope
