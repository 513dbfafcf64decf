#pragma once
// What the PC keeps of the receiver's console listing. Each line of the channel list
// comes with a prefix ending in two bars ("...||"); only the text after the bars is kept,
// through the line's CR LF. Lines without two adjacent bars (echoes, prompts, status
// lines) contribute nothing.
#include <string>
#include <string_view>

namespace lumoscope {

// The receiver's console prompt. A listing that ends on it (instead of "[END]") has come
// to its end, and the tail rule below completes it.
inline constexpr char kConsolePrompt = '>';

// The filtered text of a raw listing, with the tail rule applied: when the listing
// ended on the receiver's prompt (">") instead of "[END]", the last 18 bytes of the
// filtered text are overwritten by " \r\n[END]\r\n\r\n" (never before its start);
// otherwise the last byte read is written once more. A NUL becomes a blank.
std::string FilterUploadText(std::string_view raw);

}  // namespace lumoscope
