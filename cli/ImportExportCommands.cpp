// Bringing transponders into a list from the DVB scan tables and channels from the channel
// files of a Linux DVB scan, and taking the channels out of it as a CSV table or JSON for
// spreadsheets and other programs.
#include <unistd.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "base/NameText.h"
#include "base/Reporter.h"
#include "base/WriteAll.h"
#include "cli/BatchList.h"
#include "cli/Commands.h"
#include "cli/ConsoleReporter.h"
#include "editing/ChannelImport.h"
#include "editing/ScanTableCatalog.h"
#include "editing/TransponderImport.h"
#include "shell/ListExport.h"

namespace lumoscope::cli {

namespace {

struct ImportOptions {
  std::string path;
  std::optional<std::string> satellite;
  bool newSatellite = false;
  std::string table;
  int maxSatellites = kMaxSatellitesSmall;
};

int ImportTransponders(const ImportOptions& o) {
  std::string error;
  const std::optional<std::string> tablePath = FindScanTable(o.table, kInstalledScanTableFolder, error);
  std::optional<ScanTable> table;
  if (tablePath) table = ReadScanTable(*tablePath, error);
  if (!table) {
    ConsoleReporter().MessageBox(error);
    return kExitFailure;
  }
  const ImportTarget target{o.newSatellite ? std::nullopt : o.satellite};
  return EditList(o.path, ListOptions(o.maxSatellites), [&](CLumoscopeListView& view) {
    const std::optional<TransponderImportReport> report = lumoscope::ImportTransponders(view, *table, target);
    if (report) view.Reporter().ShowMessage(ImportReportText(*report, view.Names()));
    return report.has_value();
  });
}

struct ChannelImportArgs {
  std::string path;
  std::string file;
  ChannelImportOptions import;
  ListReading reading;
};

int ImportChannels(const ChannelImportArgs& a) {
  std::string error;
  const std::optional<ChannelFile> file = ReadChannelFile(a.file, error);
  if (!file) {
    ConsoleReporter().MessageBox(error);
    return kExitFailure;
  }
  return EditList(a.path, a.reading.Options(), [&](CLumoscopeListView& view) {
    const std::optional<ChannelImportReport> report =
        lumoscope::ImportChannels(view, *file, a.file, a.import);
    if (report) view.Reporter().ShowMessage(ChannelImportReportText(*report, view.Names()));
    return report.has_value();
  });
}

struct ExportOptions {
  std::string path;
  bool csv = false;
  bool json = false;
  std::string output;
  ListReading reading;
};

int Export(const ExportOptions& o) {
  const ExportFormat format = o.json  ? ExportFormat::Json
                              : o.csv ? ExportFormat::Csv
                                      : ExportFormatOf(o.output);
  const AppOptions options = o.reading.Options();
  const NameCodec names(options.nameEncoding);
  return WithLoadedList(o.path, options, [&](CLumoscopeListView& view) {
    if (!o.output.empty())
      return WriteChannelExport(view.Fields(), o.path, o.output, format, names, view.Reporter())
                 ? kExitSuccess
                 : kExitFailure;
    if (const int failed = WriteAll(STDOUT_FILENO, ExportChannelList(view.Fields(), format, names));
        failed != 0) {
      view.Reporter().MessageBox(Format("%s\nstandard output: %s", kExportFailed, std::strerror(failed)));
      return kExitUsage;  // as for every command whose output could not be written
    }
    return kExitSuccess;
  });
}

}  // namespace

void AddImportExportCommands(CLI::App& app, int& exitCode) {
  auto importOptions = std::make_shared<ImportOptions>();
  CLI::App* importCommand = app.add_subcommand(
      "import-transponders",
      "Add the DVB-S and DVB-S2 transponders of a DVB scan table to a satellite of the list");
  auto* satellite = importCommand->add_option("--satellite", importOptions->satellite,
                                              "Index of the satellite the transponders go to");
  auto* newSatellite =
      importCommand->add_flag("--new-satellite", importOptions->newSatellite,
                              "Make a new satellite from the table's name (e.g. Astra-19.2E)");
  satellite->excludes(newSatellite);
  importCommand
      ->add_option("--scan-table", importOptions->table,
                   "A table installed by dtv-scan-tables (e.g. Astra-19.2E), or the path of a table file")
      ->required();
  AddMaxSatOption(*importCommand, importOptions->maxSatellites);
  importCommand->add_option("LIST", importOptions->path, "The list's text file")->required();
  importCommand->callback([importOptions, &exitCode] {
    if (!importOptions->satellite && !importOptions->newSatellite)
      throw CLI::RequiredError("--satellite or --new-satellite");
    exitCode = ImportTransponders(*importOptions);
  });

  auto channels = std::make_shared<ChannelImportArgs>();
  CLI::App* channelsCommand = app.add_subcommand(
      "import-channels",
      "Add the services of a Linux DVB scan (a channel file of dvbv5-scan, VDR's channels.conf as w_scan "
      "writes it, or the zap format) to a satellite of the list as channels");
  channelsCommand
      ->add_option(
          "--satellite", channels->import.satelliteIndex,
          "Index of the satellite the channels go to; of a file that names positions (VDR), only the "
          "services of the satellite's position are taken")
      ->required();
  channelsCommand->add_flag(
      "--pids", channels->import.pids,
      "Make PID channels (video, audio and PCR PIDs) instead of channels by service ID");
  channelsCommand->add_flag("--include-encrypted", channels->import.includeEncrypted,
                            "Take encrypted services too (those the file names CA IDs for)");
  AddListReadingOptions(*channelsCommand, channels->reading);
  channelsCommand->add_option("LIST", channels->path, "The list's text file")->required();
  channelsCommand->add_option("FILE", channels->file, "The channel file")->required();
  channelsCommand->callback([channels, &exitCode] { exitCode = ImportChannels(*channels); });

  auto exportOptions = std::make_shared<ExportOptions>();
  CLI::App* exportCommand = app.add_subcommand(
      "export", "Write the channels with all their columns as a CSV table or as JSON (UTF-8)");
  auto* csv =
      exportCommand->add_flag("--csv", exportOptions->csv, "CSV, one table with a header row (the default)");
  auto* json = exportCommand->add_flag("--json", exportOptions->json, "JSON");
  csv->excludes(json);
  exportCommand->add_option("-o,--output", exportOptions->output,
                            "The file to write (replaced whole); without it the standard output");
  AddListReadingOptions(*exportCommand, exportOptions->reading);
  exportCommand->add_option("LIST", exportOptions->path, "The list's text file")->required();
  exportCommand->callback([exportOptions, &exitCode] { exitCode = Export(*exportOptions); });
}

}  // namespace lumoscope::cli
