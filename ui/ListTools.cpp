#include "ui/ListTools.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <filesystem>

#include "base/FileFailure.h"
#include "base/ReplacingFile.h"
#include "editing/ChannelImport.h"
#include "editing/ScanTableCatalog.h"
#include "editing/TransponderImport.h"
#include "listview/PrintedList.h"
#include "listview/SatelliteChoices.h"
#include "shell/ListExport.h"
#include "ui/ChannelImportDialog.h"
#include "ui/TransponderImportDialog.h"

namespace lumoscope::ui {
namespace {

constexpr std::array<CommandGroup::Item, 6> kToolItems{{
    {toolcmd::kImportTransponders, "&Import Transponders...",
     "Add the transponders of a DVB scan table to a satellite"},
    {toolcmd::kImportChannels, "Import Scanned &Channels...",
     "Add the services of a Linux DVB scan (dvbv5, VDR or zap channel file) to a satellite as channels"},
    {toolcmd::kExport, "&Export...", "Write the channels as a CSV table or as JSON"},
    {toolcmd::kPrintPreview, "Print Pre&view...", "Show the printed channel list, and print it from there"},
    {toolcmd::kPrint, "&Print...", "Print the channel list, grouped by satellite"},
    {toolcmd::kSaveAsPdf, "Save as P&DF...", "Save the printed channel list as a PDF file"},
}};

constexpr const char* kImportCaption = "Import Transponders";
constexpr const char* kChannelsCaption = "Import Scanned Channels";
constexpr const char* kChannelFileTitle = "Import Scanned Channels - Channel File";
constexpr const char* kChannelFileFilter = "Channel File(*.conf)|*.conf|All Files(*.*)|*|";
constexpr const char* kPdfTitle = "Save the Channel List as PDF";
constexpr const char* kPdfFilter = "PDF File(*.PDF)|*.pdf||";
constexpr const char* kPdfFailed = "The PDF file could not be written.";
constexpr const char* kNothingToPrint =
    "The list has no channel the receiver would show: there is nothing to print.";
constexpr const char* kUntitled = "Untitled";
// PDF pages: A4 with a margin all round, at a resolution fine enough for small print.
constexpr qreal kPdfMarginMm = 15;
constexpr int kPdfDpi = 300;

std::string FolderOf(const std::string& path) {
  return std::filesystem::path(path).parent_path().string();
}

}  // namespace

ListTools::ListTools(CMainFrame& frame, CLumoscopeListView& view, IListControl& control)
    : CommandGroup(frame, kToolItems),
      view_(view),
      control_(control),
      scanTableFolder_(kInstalledScanTableFolder) {
  frame_.CommandAction(toolcmd::kPrint)->setShortcut(QKeySequence::Print);
}

bool ListTools::IsEnabled(int /*id*/) const {
  return view_.IsLoaded();
}

void ListTools::Execute(int id) {
  switch (id) {
    case toolcmd::kImportTransponders:
      return ImportTransponders();
    case toolcmd::kImportChannels:
      return ImportChannels();
    case toolcmd::kExport:
      return Export();
    case toolcmd::kPrint:
      return PrintList();
    case toolcmd::kPrintPreview:
      return PrintPreview();
    case toolcmd::kSaveAsPdf:
      return SaveAsPdf();
    default:
      return;
  }
}

void ListTools::AddMenus(QMenuBar& bar) {
  // In the File menu after Save As, before Quit.
  QMenu* file = frame_.FileMenu();
  QAction* end = frame_.FileMenuEnd();
  file->insertAction(end, frame_.CommandAction(toolcmd::kExport));
  file->insertSeparator(end);
  for (int id : {toolcmd::kPrintPreview, toolcmd::kPrint, toolcmd::kSaveAsPdf})
    file->insertAction(end, frame_.CommandAction(id));
  file->insertSeparator(frame_.CommandAction(toolcmd::kExport));
  file->insertAction(frame_.CommandAction(toolcmd::kExport), frame_.CommandAction(toolcmd::kImportChannels));
  for (QAction* a : bar.actions()) {
    if (a->text() != QStringLiteral("&Edit")) continue;
    a->menu()->addSeparator();
    a->menu()->addAction(frame_.CommandAction(toolcmd::kImportTransponders));
  }
}

ChannelListPrinter ListTools::Printer() {
  const CLumoscopeDoc& doc = frame_.Document();
  const std::string& path = doc.CurrentPath();
  const QString title = path == doc.UploadPath()
                            ? QString::fromLatin1(kUntitled)
                            : QFile::decodeName(std::filesystem::path(path).filename().c_str());
  return ChannelListPrinter(BuildPrintedList(view_.Fields(), view_.Names()), title);
}

int ListTools::SelectedSatellite(const std::vector<SatelliteChoice>& satellites) {
  int selected = -1;
  if (const std::optional<std::string> index = SelectedSatelliteIndex(view_, control_)) {
    for (size_t i = 0; i < satellites.size(); ++i)
      if (satellites[i].index == *index) selected = static_cast<int>(i);
  }
  return selected;
}

void ListTools::ImportTransponders() {
  const std::vector<SatelliteChoice> satellites = SatelliteChoices(view_.Fields());
  const int selected = SelectedSatellite(satellites);
  TransponderImportDialog dialog(satellites, selected, view_.Names(), scanTableFolder_, frame_.Chooser(),
                                 &frame_);
  if (dialog.exec() != QDialog::Accepted) return;
  std::string error;
  const std::optional<ScanTable> table = ReadScanTable(dialog.TablePath(), error);
  if (!table) return frame_.Reporter().MessageBox(error, kImportCaption);
  if (const auto report = lumoscope::ImportTransponders(view_, *table, dialog.Target()))
    frame_.Reporter().MessageBox(ImportReportText(*report, view_.Names()), kImportCaption);
}

void ListTools::ImportChannels() {
  const std::optional<std::string> path = frame_.Chooser().ChooseOpenFile(
      kChannelFileTitle, kChannelFileFilter, FolderOf(frame_.Document().CurrentPath()));
  if (!path) return;
  std::string error;
  const std::optional<ChannelFile> file = ReadChannelFile(*path, error);
  if (!file) return frame_.Reporter().MessageBox(error, kChannelsCaption);
  const std::vector<SatelliteChoice> satellites = SatelliteChoices(view_.Fields());
  const QString name = QFile::decodeName(std::filesystem::path(*path).filename().c_str());
  ChannelImportDialog dialog(satellites, SelectedSatellite(satellites), view_.Names(),
                             QStringLiteral("%1: %2 services in the %3 format.")
                                 .arg(name)
                                 .arg(file->services.size())
                                 .arg(QString::fromLatin1(ChannelFileFormatName(file->format))),
                             &frame_);
  if (dialog.exec() != QDialog::Accepted) return;
  if (const auto report = lumoscope::ImportChannels(view_, *file, name.toStdString(), dialog.Options()))
    frame_.Reporter().MessageBox(ChannelImportReportText(*report, view_.Names()), kChannelsCaption);
}

void ListTools::Export() {
  ExportChannelListAs(frame_.Chooser(), frame_.Reporter(), view_.Fields(), frame_.Document().CurrentPath(),
                      view_.Names());
}

void ListTools::PrintList() {
  const ChannelListPrinter printer = Printer();
  if (printer.IsEmpty()) return frame_.Reporter().MessageBox(kNothingToPrint);
  QPrinter device(QPrinter::HighResolution);
  QPrintDialog dialog(&device, &frame_);
  if (dialog.exec() == QDialog::Accepted) printer.Print(device);
}

void ListTools::PrintPreview() {
  const ChannelListPrinter printer = Printer();
  if (printer.IsEmpty()) return frame_.Reporter().MessageBox(kNothingToPrint);
  QPrinter device(QPrinter::HighResolution);
  QPrintPreviewDialog dialog(&device, &frame_);
  connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
          [&printer](QPrinter* p) { printer.Print(*p); });
  dialog.exec();
}

void ListTools::SaveAsPdf() {
  const ChannelListPrinter printer = Printer();
  if (printer.IsEmpty()) return frame_.Reporter().MessageBox(kNothingToPrint);
  const std::string& listPath = frame_.Document().CurrentPath();
  const std::optional<std::string> path =
      frame_.Chooser().ChooseSaveFile(kPdfTitle, kPdfFilter, FolderOf(listPath));
  if (!path) return;
  if (SameFile(*path, listPath)) return frame_.Reporter().MessageBox(kExportOntoList);
  // Written beside and put in place whole, like every file the program writes.
  QSaveFile file(QFile::decodeName(path->c_str()));
  bool written = file.open(QIODevice::WriteOnly);
  if (written) {
    QPdfWriter writer(&file);
    writer.setResolution(kPdfDpi);
    writer.setPageMargins(QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                          QPageLayout::Millimeter);
    printer.Print(writer);
  }
  written = written && file.commit();
  if (!written)
    frame_.Reporter().MessageBox(WithFailure(kPdfFailed, {*path, file.errorString().toStdString()}));
}

}  // namespace lumoscope::ui
