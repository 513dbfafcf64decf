#pragma once
// CListDB: one object per open channel list. It holds the path of the list's text file
// and the switches of the compile, and carries the operations on that file: compile,
// hex-to-binary conversion, the working-list loader and writer, the flash download and
// the upload. Each operation lives in its own file; this class only ties them to the
// list and to the person (reporter) and options of the running program.
#include <string>
#include <vector>

#include "base/Options.h"
#include "base/Reporter.h"

namespace lumoscope {

class ISerialLinkFactory;  // transfer/: opens the serial device behind a port

// Compile modes.
inline constexpr int kCompileBasic = 0;
inline constexpr int kCompileNormal = 1;

class CListDB {
 public:
  CListDB(IReporter& reporter, const AppOptions& options, std::string path = {});

  CListDB(const CListDB&) = delete;
  CListDB& operator=(const CListDB&) = delete;

  // Full path of the list's text file.
  const std::string& FilePath() const { return path_; }
  void SetFilePath(std::string path) { path_ = std::move(path); }

  IReporter& Reporter() const { return *reporter_; }
  const AppOptions& Options() const { return *options_; }

  // Switches set by the document commands and the working-list loader.
  bool splitList = false;     // split-list pre-installed compile: analog numbers restart
  bool validateOnly = false;  // check the text only, write nothing
  bool resaveFlag = false;    // set by the loader when the list should be saved at once

  // Where the transfers open their serial device; null means the real POSIX ports
  // named by the options.
  ISerialLinkFactory* linkFactory = nullptr;

  // Compiles the text file in mode kCompileNormal or kCompileBasic into the hex image
  // (or only checks it when validateOnly is set). 1 on success, 0 on failure (the
  // person has been told why).
  int Compile(int mode);

  // Converts the list's ".hex" into the packetised ".bin".
  bool ConvertHexToBin();

  // Appends the working section list of the text file to `list`.
  bool LoadSectionList(std::vector<std::string>& list);
  // Writes `list` back to the text file, keeping the previous file as ".bak".
  bool SaveSectionList(const std::vector<std::string>& list);

  // Flash download of a ".bin" file, and of the list's own ".bin".
  bool DownloadImage(const std::string& path);
  bool DownloadCurrentList();

  // Fetches the receiver's list into the upload file.
  bool UploadChannelList();

 private:
  IReporter* reporter_;
  const AppOptions* options_;
  std::string path_;
};

}  // namespace lumoscope
