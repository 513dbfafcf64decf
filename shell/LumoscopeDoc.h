#pragma once
// CLumoscopeDoc: the one document of the application. It owns the open list's CListDB
// and the path of its text file, and carries out the file and receiver commands: Open,
// Save, Save As, the compiles, both downloads and Upload. It reaches the person through
// IReporter, file dialogs through IFileChooser and the list through IDocumentView.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/Options.h"
#include "base/Reporter.h"
#include "database/ListDB.h"
#include "listview/DocumentView.h"
#include "listview/ListDiff.h"
#include "shell/CompileCommands.h"
#include "shell/FileChooser.h"
#include "shell/RecentLists.h"
#include "shell/SettingsStore.h"

namespace lumoscope {

// Texts of the document's dialogs and messages.
inline constexpr const char* kTextFileFilter = "VXR Formatted Text File(*.TXT)|*.txt||";
inline constexpr const char* kDownloadFilter = "Program Binary File(*.bin)|*.bin|Hex file(*.HEX)|*.hex|";
inline constexpr const char* kOpenTitle = "VXR Lumoscope - Format File Open";
inline constexpr const char* kDownloadTitle = "VXR Lumoscope - Download Programm File Open";
inline constexpr const char* kSaveAsTitle = "VXR Lumoscope - Save as";
inline constexpr const char* kSaveUploadQuestion = "Want to Save upload file as ?";
inline constexpr const char* kSaveUploadCaption = "Save As";
inline constexpr const char* kSaveModifiedQuestion = "Saveing  Modified Data!!!";
inline constexpr const char* kSaveModifiedCaption = "Saving";
inline constexpr const char* kSavingFailed = "ERROR!!! Saving not Complete";
inline constexpr const char* kChangedOnDiskQuestion =
    "%s was changed by another program since it was opened. Overwrite it?";
inline constexpr const char* kExtensionMustBeTxt = "Extention Name must be 'txt' ";
inline constexpr const char* kBinFailed = "Making a BIN file is failed!";
inline constexpr const char* kDownloadFailed = "Downloading to FLASH Memory is failed!";

class CLumoscopeDoc final : public IViewDocument {
 public:
  // `uploadPath` is the fixed file the receiver's list is uploaded into.
  CLumoscopeDoc(IReporter& reporter, const AppOptions& options, ISettingsStore& settings,
                IFileChooser& chooser, std::string uploadPath);
  ~CLumoscopeDoc() override;

  CLumoscopeDoc(const CLumoscopeDoc&) = delete;
  CLumoscopeDoc& operator=(const CLumoscopeDoc&) = delete;

  // The list view; the commands that touch the list do nothing while there is none.
  void SetView(IDocumentView* view) { view_ = view; }
  // Where the window title goes when the view sets it.
  void SetTitleSink(std::function<void(const std::string&)> sink) { titleSink_ = std::move(sink); }
  // Handed to every database the document creates (transfers through it); may be null.
  void SetLinkFactory(ISerialLinkFactory* factory) { linkFactory_ = factory; }
  // Told when Download Current Channellist has put the list into the receiver.
  void SetDownloadListener(std::function<void()> listener) { downloadListener_ = std::move(listener); }

  // Command routing: Execute returns false when `id` is not one of the document's
  // commands; IsEnabled applies the command's enable rule.
  bool Execute(int id);
  bool HandlesCommand(int id) const;
  bool IsEnabled(int id) const;

  // The commands. Each returns true when it ran to the end successfully.
  bool Open();
  // Open's work after the file was chosen (also used for a list named at start).
  bool OpenFile(const std::string& path);
  // Open without the file dialog, for a list chosen otherwise (a recent list, a file
  // dropped on the window): the questions about the open list first, then OpenFile.
  bool OpenPath(const std::string& path);
  // Writes the list as shown; `markSaved` tells the view the text file now holds it.
  bool SaveList(bool markSaved = true);
  bool SaveAs();
  bool CompileNormal();
  bool BasicCompile();
  bool PreinstalledOneList();
  bool PreinstalledSplitList();
  bool DownloadCurrentList();
  bool DownloadOthers();
  bool Upload();
  // Compares the list as shown with the list the receiver holds (CompareWithReceiver):
  // the receiver's list is uploaded beside the upload file (ReceiverListPath). Nothing
  // when the receiver could not be read; the person has been told why.
  std::optional<ListDifferences> CompareWithReceiver();
  // The receiver's list of the last comparison takes the open list's place as an
  // uploaded list does (it becomes the upload file, and Save As follows). False when the
  // person kept the open list, or there is no receiver's list.
  bool OpenReceiverList();

  // Asked when the window closes: false keeps the window open (the person cancelled,
  // or saving the modified list failed).
  bool CanClose();

  const std::string& CurrentPath() const { return currentPath_; }
  // The current path as it was before the latest Open.
  const std::string& PreviousPath() const { return previousPath_; }
  bool IsCompiled() const { return compiled_; }
  const std::string& UploadPath() const { return uploadPath_; }
  std::string ReceiverListPath() const;
  // The lists opened last (also those saved under a new name).
  RecentLists& Recent() { return recent_; }
  // The person stopped the last transfer.
  bool TransferCancelled();

  // IViewDocument
  bool IsLoaded() const override { return loaded_; }
  CListDB* Database() override { return db_.get(); }
  void Save() override { SaveList(); }
  void SetWindowTitle(const std::string& title) override;

 private:
  enum class SaveChoice { Proceed, Cancelled };
  // Before another list takes the open one's place: the uploaded list is offered for
  // saving under a name, a modified one for saving. False: the person cancelled.
  bool MayReplaceList();
  // Before the list file is written: when another program changed it since it was
  // loaded or last saved here, asks whether to overwrite it. False: leave it alone.
  bool ConfirmOverwrite();
  // Makes `db` the open list's database and has the view load its file; a refused file
  // puts the document back as it was. False when refused.
  bool ShowList(std::unique_ptr<CListDB> db);
  // Shows a list just fetched from the receiver, kept in the upload file, and offers Save
  // As for it.
  bool ShowUploadedList(std::unique_ptr<CListDB> db);
  // Offers to save a modified list before it is replaced.
  SaveChoice OfferSaveModified();
  bool IsUploadFileOpen() const;
  std::string InitialFolder() const;
  // Where Save As starts: the list's folder; for the uploaded list the folder of the last
  // list opened (empty when there is none: the file dialog's own start, the documents).
  std::string SaveAsFolder() const;
  std::unique_ptr<CListDB> NewDatabase(std::string path) const;
  // `keepsSaved`: the compile leaves the saved list in the text file (no restore after it).
  SaveListFn SaveListStep(bool keepsSaved);
  // Converts a chosen hex image into the binary image beside it, through `db`.
  static bool ConvertChosenHex(CListDB& db, const std::string& hexPath);
  // Removes the transfer progress bar; hides the message window after a transfer that
  // went well (after a failure its steps stay in view).
  void EndTransfer(bool ok);
  ISerialLinkFactory& LinkFactory() const;

  IReporter& reporter_;
  const AppOptions& options_;
  ISettingsStore& settings_;
  IFileChooser& chooser_;
  RecentLists recent_{settings_};
  std::string uploadPath_;
  IDocumentView* view_ = nullptr;
  std::function<void(const std::string&)> titleSink_;
  ISerialLinkFactory* linkFactory_ = nullptr;
  std::function<void()> downloadListener_;

  bool loaded_ = false;
  std::string currentPath_;
  std::string previousPath_;
  std::unique_ptr<CListDB> db_;
  bool compiled_ = false;
};

}  // namespace lumoscope
