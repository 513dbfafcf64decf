#pragma once
// Conversion of a hex image text into the packetised binary image the receiver takes.
#include <string>
#include <string_view>

namespace lumoscope {

class CListDB;
class IReporter;

inline constexpr const char* kCantOpenFileMessage = "Can't open  %s file \n";
inline constexpr const char* kPacketBuildEofMessage = "DNCONV: Error on packet build. -- EOF\n";
inline constexpr const char* kConversionDoneMessage = "Conversion is terminated successfully.\n";

// Converts the hex text in memory into the binary image file's bytes. False (after
// telling the person why) for a refused line or a text without any data byte.
bool BuildBinImage(IReporter& reporter, std::string_view hexText, std::string& image);

// Converts the file `hexPath` into `binPath`. The binary image is written under a
// temporary name and takes its own name only when it is complete, so a failed
// conversion never leaves a partial or stale-looking ".bin" behind. Refuses to write
// over the hex file itself.
bool ConvertHexFileToBin(IReporter& reporter, const std::string& hexPath, const std::string& binPath);

// Converts the list's ".hex" into its packetised ".bin".
bool ConvertHexToBin(CListDB& db);

// The ".bin" name that belongs to a chosen ".hex" file: its ".hex" (any letter case)
// replaced, or ".bin" appended.
std::string BinPathForHexFile(std::string_view hexPath);

}  // namespace lumoscope
