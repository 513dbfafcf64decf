#pragma once
// What the PC keeps of the receiver's console listing. Each line of the channel list
// comes with a prefix ending in two bars ("...||"); only the text after the bars is kept,
// through the line's CR LF. Lines without two adjacent bars (echoes, prompts, status
// lines) contribute nothing.
#include <string>
#include <string_view>

namespace lumoscope {

// The receiver's console prompt. A listing that ends on it (instead of "[END]") may have
// come to its end; the tail rule below completes it.
inline constexpr char kConsolePrompt = '>';

// The filtered text of a raw listing, with the tail rule applied: when the listing
// ended on the receiver's prompt (">") instead of "[END]", what follows the last line
// end of the filtered text (the prompt line, when it was copied) is replaced by
// " \r\n[END]\r\n\r\n", and no byte of the listing before it; otherwise the last byte
// read is written once more. A NUL becomes a blank.
std::string FilterUploadText(std::string_view raw);

// True when the filtered text has the header line of every section of the format: only
// then is a listing that ended on the prompt, without "[END]", the whole list.
bool HasEverySection(std::string_view filtered);

}  // namespace lumoscope
