#pragma once
// Export of the channel list to a CSV or JSON file (see listview/ChannelExport.h for
// what is written): the file is replaced whole or not at all, and never the list itself.
#include <string>
#include <vector>

#include "base/Reporter.h"
#include "listview/ChannelExport.h"
#include "shell/FileChooser.h"

namespace lumoscope {

inline constexpr const char* kExportTitle = "Export the Channel List";
inline constexpr const char* kExportFilter = "CSV Table(*.CSV)|*.csv|JSON File(*.JSON)|*.json||";
inline constexpr const char* kExportFailed = "The channel list could not be exported.";
inline constexpr const char* kExportOntoList =
    "The export would replace the channel list itself. Nothing was written; please choose another file.";

// Writes the export of the list `fields` (loaded from `listPath`) to `path`. False after
// telling the person why.
bool WriteChannelExport(const std::vector<std::string>& fields, const std::string& listPath,
                        const std::string& path, ExportFormat format, const NameCodec& names,
                        IReporter& reporter);

// The window's Export: asks for the file (offering the list's folder), and writes it in
// the format its name asks for. False when the person cancelled or writing failed.
bool ExportChannelListAs(IFileChooser& chooser, IReporter& reporter, const std::vector<std::string>& fields,
                         const std::string& listPath, const NameCodec& names);

}  // namespace lumoscope
