#include "shell/ListExport.h"

#include <filesystem>

#include "base/FileFailure.h"
#include "base/ReplacingFile.h"

namespace lumoscope {

bool WriteChannelExport(const std::vector<std::string>& fields, const std::string& listPath,
                        const std::string& path, ExportFormat format, const NameCodec& names,
                        IReporter& reporter) {
  if (!listPath.empty() && SameFile(path, listPath)) {
    reporter.MessageBox(kExportOntoList);
    return false;
  }
  std::string error;
  if (ReplaceFileContents(path, ExportChannelList(fields, format, names), error)) return true;
  reporter.MessageBox(WithFailure(kExportFailed, {path, error}));
  return false;
}

bool ExportChannelListAs(IFileChooser& chooser, IReporter& reporter, const std::vector<std::string>& fields,
                         const std::string& listPath, const NameCodec& names) {
  const std::optional<std::string> path = chooser.ChooseSaveFile(
      kExportTitle, kExportFilter, std::filesystem::path(listPath).parent_path().string());
  if (!path) return false;
  return WriteChannelExport(fields, listPath, *path, ExportFormatOf(*path), names, reporter);
}

}  // namespace lumoscope
