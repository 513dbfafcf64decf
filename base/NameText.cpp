#include "base/NameText.h"

#include <iconv.h>
#include <unicode/uchar.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace lumoscope {

namespace {

constexpr unsigned char kFirstNonAscii = 0x80;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD, for a byte with no character
constexpr std::string_view kUtf8 = "UTF-8";

// An iconv conversion, closed on every path.
class Converter {
 public:
  Converter(std::string_view to, std::string_view from)
      : cd_(iconv_open(std::string(to).c_str(), std::string(from).c_str())) {}
  ~Converter() {
    if (Open()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Open() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts all of `in`; on failure, `failedAt` is the offset of the input that could
  // not be converted.
  bool Convert(std::string_view in, std::string& out, size_t& failedAt) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // a fresh start
    // Single-byte targets need a byte per character; UTF-8 at most four.
    std::string buffer(in.size() * 4 + 4, '\0');
    char* inPtr = const_cast<char*>(in.data());  // iconv's signature; the input is not written
    size_t inLeft = in.size();
    char* outPtr = buffer.data();
    size_t outLeft = buffer.size();
    if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
      failedAt = in.size() - inLeft;
      return false;
    }
    buffer.resize(buffer.size() - outLeft);
    out = std::move(buffer);
    return true;
  }

 private:
  iconv_t cd_;
};

// The length of the UTF-8 sequence at the start of `text` and its code point; length 0
// when it is no valid sequence.
size_t NextCodePoint(std::string_view text, unsigned long& codePoint) {
  const auto lead = static_cast<unsigned char>(text[0]);
  size_t length = 0;
  if (lead < kFirstNonAscii) {
    codePoint = lead;
    return 1;
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    codePoint = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    codePoint = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    codePoint = lead & 0x07u;
  } else {
    return 0;
  }
  if (length > text.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[k]);
    if ((next & 0xC0u) != 0x80u) return 0;
    codePoint = (codePoint << 6) | (next & 0x3Fu);
  }
  // The shortest form only, no UTF-16 surrogates, nothing above U+10FFFF.
  constexpr unsigned long kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (codePoint < kSmallest[length] || (codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF)
    return 0;
  return length;
}

// The UTF-8 sequence of a code point.
void AppendUtf8(std::string& out, unsigned long codePoint) {
  const auto put = [&out](unsigned long byte) { out += static_cast<char>(byte); };
  if (codePoint < 0x80) {
    put(codePoint);
  } else if (codePoint < 0x800) {
    put(0xC0 | (codePoint >> 6));
    put(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    put(0xE0 | (codePoint >> 12));
    put(0x80 | ((codePoint >> 6) & 0x3F));
    put(0x80 | (codePoint & 0x3F));
  } else {
    put(0xF0 | (codePoint >> 18));
    put(0x80 | ((codePoint >> 12) & 0x3F));
    put(0x80 | ((codePoint >> 6) & 0x3F));
    put(0x80 | (codePoint & 0x3F));
  }
}

// Letters whose mark is drawn through them (a stroke, a missing dot): no canonical
// decomposition separates them from their base letter, so they are named here, with the
// base letter they are matched as. All of the name encodings' letters of this kind.
struct StrokedLetter {
  UChar32 letter;
  UChar32 base;
};
constexpr StrokedLetter kStrokedLetters[] = {
    {0x0110, 'd'}, {0x0111, 'd'},  // Đ đ
    {0x0131, 'i'},                 // ı
    {0x0141, 'l'}, {0x0142, 'l'},  // Ł ł
    {0x00D8, 'o'}, {0x00F8, 'o'},  // Ø ø
};

// A code point as names are matched: its canonical decomposition (ICU's NFD) without
// the marks (accents, breves, cedillas), each part case-folded (ß becomes "ss").
void AppendFolded(std::string& out, UChar32 codePoint) {
  constexpr int32_t kRoom = 8;  // the longest canonical decomposition has four parts
  UErrorCode status = U_ZERO_ERROR;
  static const UNormalizer2* const decomposition = unorm2_getNFDInstance(&status);
  UChar parts[kRoom];
  int32_t length = -1;
  status = U_ZERO_ERROR;
  if (decomposition != nullptr)
    length = unorm2_getDecomposition(decomposition, codePoint, parts, kRoom, &status);
  if (length < 0 || U_FAILURE(status)) {
    length = 0;
    U16_APPEND_UNSAFE(parts, length, codePoint);
  }
  for (int32_t i = 0; i < length;) {
    UChar32 part = 0;
    U16_NEXT(parts, i, length, part);
    if (u_charType(part) == U_NON_SPACING_MARK) continue;
    for (const StrokedLetter& s : kStrokedLetters)
      if (s.letter == part) part = s.base;
    UChar one[2];
    int32_t oneLength = 0;
    U16_APPEND_UNSAFE(one, oneLength, part);
    UChar folded[kRoom];
    status = U_ZERO_ERROR;
    const int32_t foldedLength = u_strFoldCase(folded, kRoom, one, oneLength, U_FOLD_CASE_DEFAULT, &status);
    if (U_FAILURE(status)) {
      AppendUtf8(out, static_cast<unsigned long>(part));
      continue;
    }
    for (int32_t k = 0; k < foldedLength;) {
      UChar32 f = 0;
      U16_NEXT(folded, k, foldedLength, f);
      AppendUtf8(out, static_cast<unsigned long>(f));
    }
  }
}

// `character "ř" (U+0159)`; a control character is named by its number only.
std::string CharacterName(std::string_view sequence, unsigned long codePoint) {
  char number[16];
  std::snprintf(number, sizeof number, "U+%04lX", codePoint);
  constexpr unsigned long kFirstPrintable = 0x20;
  constexpr unsigned long kDelete = 0x7F;
  constexpr unsigned long kLastC1 = 0x9F;
  if (codePoint < kFirstPrintable || (codePoint >= kDelete && codePoint <= kLastC1))
    return std::string("character ") + number;
  return "character \"" + std::string(sequence) + "\" (" + number + ")";
}

}  // namespace

std::string_view NameEncodingName(NameEncoding encoding) {
  for (const NameEncodingInfo& info : kNameEncodings)
    if (info.encoding == encoding) return info.name;
  return kNameEncodings[0].name;
}

std::optional<NameEncoding> FindNameEncoding(std::string_view name) {
  const auto sameIgnoringCase = [](std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
             const auto upper = [](char c) {
               return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
             };
             return upper(x) == upper(y);
           });
  };
  for (const NameEncodingInfo& info : kNameEncodings)
    if (sameIgnoringCase(info.name, name)) return info.encoding;
  return std::nullopt;
}

NameCodec::NameCodec(NameEncoding encoding) : encoding_(encoding) {
  Converter toUtf8(kUtf8, NameEncodingName(encoding));
  for (size_t i = 0; i < upperHalf_.size(); ++i) {
    const char byte = static_cast<char>(kFirstNonAscii + i);
    size_t failedAt = 0;
    if (!toUtf8.Open() || !toUtf8.Convert(std::string_view(&byte, 1), upperHalf_[i], failedAt))
      upperHalf_[i] = kReplacement;
  }
}

std::string NameCodec::Decode(std::string_view stored) const {
  const auto nonAscii = [](char c) { return static_cast<unsigned char>(c) >= kFirstNonAscii; };
  if (std::none_of(stored.begin(), stored.end(), nonAscii)) return std::string(stored);
  std::string out;
  out.reserve(stored.size() * 2);
  for (const char c : stored) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < kFirstNonAscii)
      out.push_back(c);
    else
      out += upperHalf_[byte - kFirstNonAscii];
  }
  return out;
}

std::optional<std::string> NameCodec::Encode(std::string_view text, std::string& problem) const {
  for (size_t i = 0; i < text.size();) {
    unsigned long codePoint = 0;
    const size_t length = NextCodePoint(text.substr(i), codePoint);
    if (length == 0) {
      problem = "the text is no valid UTF-8";
      return std::nullopt;
    }
    i += length;
  }
  Converter fromUtf8(NameEncodingName(encoding_), kUtf8);
  if (!fromUtf8.Open()) {
    problem = "this computer cannot convert text to " + std::string(NameEncodingName(encoding_));
    return std::nullopt;
  }
  std::string out;
  size_t failedAt = 0;
  if (fromUtf8.Convert(text, out, failedAt)) return out;
  unsigned long codePoint = 0;
  const size_t length = NextCodePoint(text.substr(failedAt), codePoint);
  problem = "the name encoding " + std::string(NameEncodingName(encoding_)) + " has no " +
            CharacterName(text.substr(failedAt, length), codePoint);
  return std::nullopt;
}

size_t Utf8Length(std::string_view text) {
  size_t characters = 0;
  for (size_t i = 0; i < text.size(); ++characters) {
    unsigned long codePoint = 0;
    const size_t length = NextCodePoint(text.substr(i), codePoint);
    i += length == 0 ? 1 : length;
  }
  return characters;
}

bool IsUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    unsigned long codePoint = 0;
    const size_t length = NextCodePoint(text.substr(i), codePoint);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string TextToUtf8(std::string_view text, const NameCodec& names) {
  return IsUtf8(text) ? std::string(text) : names.Decode(text);
}

std::string FoldCase(std::string_view utf8) {
  constexpr char kCaseOffset = 'a' - 'A';
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const char c = utf8[i];
    unsigned long codePoint = 0;
    const size_t length =
        static_cast<unsigned char>(c) < kFirstNonAscii ? 0 : NextCodePoint(utf8.substr(i), codePoint);
    if (length == 0) {
      out += c >= 'A' && c <= 'Z' ? static_cast<char>(c + kCaseOffset) : c;
      ++i;
      continue;
    }
    AppendFolded(out, static_cast<UChar32>(codePoint));
    i += length;
  }
  return out;
}

}  // namespace lumoscope
