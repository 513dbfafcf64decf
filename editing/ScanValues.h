#pragma once
// The values the Linux DVB tools write into their scan tables and channel files, read the
// same way wherever they stand: decimal and hexadecimal numbers of bounded length, the
// polarisations by letter or word, keywords in any case.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "editing/ScanTable.h"

namespace lumoscope {

// A decimal number of at most 10 digits, at most `max`; nothing for anything else.
std::optional<uint32_t> DecimalField(std::string_view text, uint32_t max = UINT32_MAX);
// A hexadecimal number of at most 8 digits ("0x" in front allowed).
std::optional<uint32_t> HexField(std::string_view text);

// A polarisation written as a letter or a word, in any case: H, V, L, R, HORIZONTAL,
// VERTICAL, LEFT, RIGHT, and OFF (none).
std::optional<ScanPolarization> PolarizationNamed(std::string_view text);

// A delivery system is one word; those of a satellite are DVBS and DVBS2, every other one
// (DVBT, DVBC/ANNEX_A, ATSC, ...) is for another kind of receiver. Nothing for a value
// that is no such word.
std::optional<ScanDelivery> DeliveryNamed(std::string_view text);

// The bytes of a file of the DVB tools of at most `maxBytes`: a larger one is refused by its
// size before any of it is read. Nothing on failure, `error` then being `tooLarge` of the
// file's size, or `unreadable` with the reason.
std::optional<std::string> ReadToolFile(const std::string& path, size_t maxBytes,
                                        const std::function<std::string(long long size)>& tooLarge,
                                        const char* unreadable, std::string& error);

// The text with its letters in upper case, for keywords of any case.
std::string UpperWord(std::string_view text);

}  // namespace lumoscope
