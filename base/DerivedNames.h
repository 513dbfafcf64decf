#pragma once
// Every file that belongs to a list is named from the list's text file by replacing
// its final ".txt" extension (in any letter case). Folder names are never touched, and
// a path without that extension gets the new one appended, so a derived name is never
// the text file itself.
#include <string>
#include <string_view>

namespace lumoscope {

inline constexpr std::string_view kExtHex = ".hex";
inline constexpr std::string_view kExtBin = ".bin";
inline constexpr std::string_view kExtTmp = ".tmp";
inline constexpr std::string_view kExtLst = ".lst";
inline constexpr std::string_view kExtBak = ".bak";
inline constexpr std::string_view kExtCompileBackup = ".cplsrc";
inline constexpr std::string_view kExtMerge = ".mrg";

// True when the file name (not the folder) ends in ".txt", in any letter case.
bool HasTextExtension(std::string_view path);

// The text file's path with its ".txt" replaced by `ext` (or `ext` appended).
std::string DerivedPath(std::string_view textPath, std::string_view ext);

// The folder part of a path: "." for a bare file name, "/" for a file in the root.
std::string FolderOf(std::string_view path);

}  // namespace lumoscope
