#include "shell/ListExport.h"

#include <filesystem>

#include "base/ReplacingFile.h"

namespace lumoscope {

bool WriteChannelExport(const std::vector<std::string>& fields, const std::string& path, ExportFormat format,
                        IReporter& reporter) {
  std::string error;
  if (ReplaceFileContents(path, ExportChannelList(fields, format), error)) return true;
  reporter.MessageBox(Format(kExportFailed, path.c_str(), error.c_str()));
  return false;
}

bool ExportChannelListAs(IFileChooser& chooser, IReporter& reporter, const std::vector<std::string>& fields,
                         const std::string& listPath) {
  const std::optional<std::string> path = chooser.ChooseSaveFile(
      kExportTitle, kExportFilter, std::filesystem::path(listPath).parent_path().string());
  if (!path) return false;
  return WriteChannelExport(fields, *path, ExportFormatOf(*path), reporter);
}

}  // namespace lumoscope
