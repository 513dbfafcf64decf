#include "shell/LumoscopeDoc.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <utility>

#include "base/DerivedNames.h"
#include "base/FileFailure.h"
#include "listview/ReceiverComparison.h"
#include "shell/CompileCommands.h"
#include "shell/DocumentCommands.h"
#include "shell/SettingsKeys.h"
#include "transfer/Download.h"
#include "transfer/HexToBin.h"
#include "transfer/PosixLinkFactory.h"
#include "transfer/SectionListWriter.h"
#include "transfer/Upload.h"

namespace lumoscope {
namespace {

std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// The extension of the file name without its dot, in lower case ("" when none).
std::string LowerExtension(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  return ext.empty() ? ext : Lower(ext.substr(1));
}

}  // namespace

CLumoscopeDoc::CLumoscopeDoc(IReporter& reporter, const AppOptions& options, ISettingsStore& settings,
                             IFileChooser& chooser, std::string uploadPath)
    : reporter_(reporter),
      options_(options),
      settings_(settings),
      chooser_(chooser),
      uploadPath_(std::move(uploadPath)) {}

CLumoscopeDoc::~CLumoscopeDoc() = default;

bool CLumoscopeDoc::HandlesCommand(int id) const {
  const auto table = DocumentCommandTable();
  return std::any_of(table.begin(), table.end(), [id](const CommandInfo& c) { return c.id == id; });
}

bool CLumoscopeDoc::IsEnabled(int id) const {
  for (const CommandInfo& c : DocumentCommandTable())
    if (c.id == id) return c.rule == DocumentEnableRule::Always || loaded_;
  return false;
}

bool CLumoscopeDoc::Execute(int id) {
  if (!HandlesCommand(id)) return false;
  if (!IsEnabled(id)) return true;  // ours, but not available now
  OperationScope operation(reporter_);
  switch (id) {
    case cmd::kOpen:
      Open();
      break;
    case cmd::kSave:
      SaveList();
      break;
    case cmd::kSaveAs:
      SaveAs();
      break;
    case cmd::kCompileNormal:
      CompileNormal();
      break;
    case cmd::kBasicCompile:
      BasicCompile();
      break;
    case cmd::kPreinstalledOneList:
      PreinstalledOneList();
      break;
    case cmd::kPreinstalledSplitList:
      PreinstalledSplitList();
      break;
    case cmd::kDownloadCurrentList:
      DownloadCurrentList();
      break;
    case cmd::kDownloadOthers:
      DownloadOthers();
      break;
    case cmd::kUpload:
      Upload();
      break;
    default:
      break;
  }
  return true;
}

void CLumoscopeDoc::SetWindowTitle(const std::string& title) {
  if (titleSink_) titleSink_(title);
}

bool CLumoscopeDoc::IsUploadFileOpen() const {
  return !currentPath_.empty() && Upper(currentPath_) == Upper(uploadPath_);
}

std::string CLumoscopeDoc::InitialFolder() const {
  std::string folder =
      settings_.GetString(settings::kListSection, settings::kRecentFolderKey, settings::kRecentFolderDefault);
  return folder == settings::kRecentFolderDefault ? std::string() : folder;
}

std::string CLumoscopeDoc::SaveAsFolder() const {
  if (!IsUploadFileOpen()) return FolderOf(currentPath_);
  // The uploaded list lies in the private upload folder, which is emptied at logout: it
  // is saved where the person keeps lists, or where the file dialog starts by itself.
  const std::string recent = InitialFolder();
  return recent == FolderOf(uploadPath_) ? std::string() : recent;
}

std::unique_ptr<CListDB> CLumoscopeDoc::NewDatabase(std::string path) const {
  auto db = std::make_unique<CListDB>(reporter_, options_, std::move(path));
  db->linkFactory = linkFactory_;
  return db;
}

SaveListFn CLumoscopeDoc::SaveListStep(bool keepsSaved) {
  return [this, keepsSaved] { return SaveList(keepsSaved); };
}

void CLumoscopeDoc::EndTransfer(bool ok) {
  reporter_.SetProgress(0, kProgressRemove);
  if (ok) reporter_.HideMessageWindow();
}

ISerialLinkFactory& CLumoscopeDoc::LinkFactory() const {
  return linkFactory_ != nullptr ? *linkFactory_ : DefaultLinkFactory();
}

bool CLumoscopeDoc::TransferCancelled() {
  const ITransferCancel* cancel = LinkFactory().Cancel();
  return cancel != nullptr && cancel->Requested();
}

CLumoscopeDoc::SaveChoice CLumoscopeDoc::OfferSaveModified() {
  if (!loaded_ || !db_ || view_ == nullptr || !view_->IsModified()) return SaveChoice::Proceed;
  switch (reporter_.AskYesNoCancel(kSaveModifiedQuestion, kSaveModifiedCaption)) {
    case Answer::Yes:
      // The uploaded list lives in a scratch file; keeping it means giving it a name.
      if (IsUploadFileOpen()) return SaveAs() ? SaveChoice::Proceed : SaveChoice::Cancelled;
      return SaveList() ? SaveChoice::Proceed : SaveChoice::Cancelled;
    case Answer::No:
      return SaveChoice::Proceed;
    case Answer::Cancel:
      break;
  }
  return SaveChoice::Cancelled;
}

bool CLumoscopeDoc::CanClose() {
  return OfferSaveModified() == SaveChoice::Proceed;
}

bool CLumoscopeDoc::MayReplaceList() {
  if (IsUploadFileOpen()) {
    switch (reporter_.AskYesNoCancel(kSaveUploadQuestion, kSaveUploadCaption)) {
      case Answer::Yes:
        SaveAs();
        break;
      case Answer::No:
        SaveList();
        break;
      case Answer::Cancel:
        return false;
    }
    return true;
  }
  return OfferSaveModified() == SaveChoice::Proceed;
}

bool CLumoscopeDoc::Open() {
  if (!MayReplaceList()) return false;
  std::optional<std::string> chosen = chooser_.ChooseOpenFile(kOpenTitle, kTextFileFilter, InitialFolder());
  if (!chosen) return false;
  return OpenFile(*chosen);
}

bool CLumoscopeDoc::OpenPath(const std::string& path) {
  OperationScope operation(reporter_);
  if (!MayReplaceList()) return false;
  return OpenFile(path);
}

bool CLumoscopeDoc::OpenFile(const std::string& path) {
  OperationScope operation(reporter_);
  settings_.SetString(settings::kListSection, settings::kRecentFolderKey, FolderOf(path));
  const std::string before = currentPath_;
  if (!ShowList(NewDatabase(path))) return false;
  previousPath_ = before;
  // The uploaded list's scratch file is not a list to come back to.
  if (!IsUploadFileOpen()) recent_.Add(path);
  return true;
}

bool CLumoscopeDoc::ShowList(std::unique_ptr<CListDB> db) {
  // The view loads through the document's database, so the new one is put in place
  // first and the open one kept aside until the file has been taken.
  std::unique_ptr<CListDB> shown = std::exchange(db_, std::move(db));
  const std::string shownPath = std::exchange(currentPath_, db_->FilePath());
  const bool wasLoaded = std::exchange(loaded_, true);
  if (view_ == nullptr) return true;
  if (!view_->ReloadFields()) {
    // A refused file changes nothing: the open list keeps its database (the file version
    // it read, the backup it made), its path and its undo steps.
    db_ = std::move(shown);
    currentPath_ = shownPath;
    loaded_ = wasLoaded;
    return false;
  }
  view_->NotifyChangesStored();
  // The undo steps belong to the list that was open before; they must not bring it back.
  view_->ResetUndo();
  return true;
}

bool CLumoscopeDoc::ConfirmOverwrite() {
  if (!db_ || !db_->ChangedByAnotherProgram()) return true;
  if (reporter_.AskYesNo(Format(kChangedOnDiskQuestion, db_->FilePath().c_str()), kSaveModifiedCaption) !=
      Answer::Yes)
    return false;
  // Asked once per command: the steps that follow write the file knowingly.
  db_->RememberFileVersion();
  return true;
}

bool CLumoscopeDoc::SaveList(bool markSaved) {
  if (!db_ || view_ == nullptr) return false;
  if (!ConfirmOverwrite()) return false;
  view_->NotifyChangesStored();
  if (!lumoscope::SaveSectionList(*db_, view_->Fields())) {
    reporter_.MessageBox(kSavingFailed);
    return false;
  }
  if (markSaved) view_->NotifySaved();
  return true;
}

bool CLumoscopeDoc::SaveAs() {
  std::optional<std::string> chosen = chooser_.ChooseSaveFile(kSaveAsTitle, kTextFileFilter, SaveAsFolder());
  if (!chosen) return false;
  if (LowerExtension(*chosen) != "txt") {
    reporter_.MessageBox(kExtensionMustBeTxt);
    return false;
  }
  if (!db_ || view_ == nullptr) return false;

  // From here on the database names the new file, so a later Save writes there even
  // when this one failed.
  db_->SetFilePath(*chosen);
  if (!lumoscope::SaveSectionList(*db_, view_->Fields())) {
    reporter_.MessageBox(kSavingFailed);
    return false;
  }
  currentPath_ = *chosen;
  recent_.Add(currentPath_);
  const bool reloaded = view_->ReloadFields();
  view_->NotifyChangesStored();
  // Should the file not read back, the list as shown stays with its undo steps: the file
  // holds it all the same.
  if (reloaded) {
    view_->ResetUndo();
  } else {
    view_->NotifySaved();
  }
  return true;
}

bool CLumoscopeDoc::CompileNormal() {
  if (!db_ || !ConfirmOverwrite()) return false;
  WaitGuard wait(reporter_);
  return RunCompileCommand(*db_, kCompileNormal, SaveListStep(false));
}

bool CLumoscopeDoc::BasicCompile() {
  if (!db_ || !ConfirmOverwrite()) return false;
  WaitGuard wait(reporter_);
  return RunCompileCommand(*db_, kCompileBasic, SaveListStep(false));
}

bool CLumoscopeDoc::PreinstalledOneList() {
  if (!db_ || !ConfirmOverwrite()) return false;
  WaitGuard wait(reporter_);
  db_->splitList = false;
  if (RunPreinstalledOneList(*db_, SaveListStep(true))) compiled_ = true;
  return compiled_;
}

bool CLumoscopeDoc::PreinstalledSplitList() {
  if (!db_ || !ConfirmOverwrite()) return false;
  WaitGuard wait(reporter_);
  db_->splitList = true;
  const bool ok = RunPreinstalledSplitList(*db_, SaveListStep(false));
  db_->splitList = false;
  if (ok) compiled_ = true;
  return ok;
}

bool CLumoscopeDoc::DownloadCurrentList() {
  if (!db_ || !ConfirmOverwrite()) return false;
  WaitGuard wait(reporter_);
  // Only an image compiled from the list as it is now may go to the receiver.
  compiled_ = false;
  db_->splitList = false;
  if (RunPreinstalledOneList(*db_, SaveListStep(true))) compiled_ = true;
  if (!compiled_) return false;

  const bool ok = lumoscope::DownloadCurrentList(*db_);
  wait.End();
  EndTransfer(ok);
  // A cancelled download has said so, and what to do.
  if (!ok && !TransferCancelled()) reporter_.MessageBox(kDownloadFailed);
  if (ok && downloadListener_) downloadListener_();
  return ok;
}

bool CLumoscopeDoc::ConvertChosenHex(CListDB& db, const std::string& hexPath) {
  // The converter reads the list's ".hex" in lower case. A chosen "X.HEX" on a file
  // system that tells the cases apart is copied to that name for the conversion, unless
  // a different file already has it.
  namespace fs = std::filesystem;
  const std::string expected = DerivedPath(db.FilePath(), kExtHex);
  if (expected == hexPath) return lumoscope::ConvertHexToBin(db);
  std::error_code ec;
  if (fs::exists(expected, ec) && !fs::equivalent(expected, hexPath, ec)) return false;
  bool copied = false;
  if (!fs::exists(expected, ec)) {
    if (!fs::copy_file(hexPath, expected, ec)) return false;
    copied = true;
  }
  const bool ok = lumoscope::ConvertHexToBin(db);
  if (copied) fs::remove(expected, ec);
  return ok;
}

bool CLumoscopeDoc::DownloadOthers() {
  std::optional<std::string> chosen =
      chooser_.ChooseOpenFile(kDownloadTitle, kDownloadFilter, InitialFolder());
  if (!chosen) return false;

  std::string path = *chosen;
  CListDB* db = db_.get();
  std::unique_ptr<CListDB> scratch;
  // A hex image is first made into the binary image the receiver takes, beside it. This
  // happens through a database of its own so the open list keeps its file name.
  if (LowerExtension(path) == "hex") {
    scratch = NewDatabase(path.substr(0, path.size() - kExtHex.size()) + ".txt");
    db = scratch.get();
    if (!ConvertChosenHex(*scratch, path)) {
      reporter_.MessageBox(kBinFailed);
      return false;
    }
    path = DerivedPath(scratch->FilePath(), kExtBin);
  } else if (db == nullptr) {
    scratch = NewDatabase({});
    db = scratch.get();
  }

  WaitGuard wait(reporter_);
  const bool ok = lumoscope::DownloadImage(*db, path);
  wait.End();
  EndTransfer(ok);
  return ok;
}

bool CLumoscopeDoc::Upload() {
  if (OfferSaveModified() == SaveChoice::Cancelled) return false;

  WaitGuard wait(reporter_);
  // The uploaded list gets a database of its own; the open list keeps its database until
  // the uploaded one has been shown in its place.
  std::unique_ptr<CListDB> uploaded = NewDatabase(uploadPath_);
  // The upload's own files live beside the upload file, in the user's private folder.
  const bool ok = UploadChannelListTo(*uploaded, uploadPath_, FolderOf(uploadPath_));
  wait.End();
  EndTransfer(ok);

  return ok && ShowUploadedList(std::move(uploaded));
}

bool CLumoscopeDoc::ShowUploadedList(std::unique_ptr<CListDB> db) {
  if (!ShowList(std::move(db))) return false;
  SaveAs();
  return true;
}

std::string CLumoscopeDoc::ReceiverListPath() const {
  return FolderOf(uploadPath_) + "/" + kReceiverListFileName;
}

std::optional<ListDifferences> CLumoscopeDoc::CompareWithReceiver() {
  if (view_ == nullptr || !loaded_) return std::nullopt;
  WaitGuard wait(reporter_);
  const std::string received = ReceiverListPath();
  std::unique_ptr<CListDB> db = NewDatabase(received);
  std::optional<ListDifferences> differences =
      lumoscope::CompareWithReceiver(*db, view_->Fields(), received, FolderOf(uploadPath_));
  wait.End();
  EndTransfer(differences.has_value());
  return differences;
}

bool CLumoscopeDoc::OpenReceiverList() {
  const std::string received = ReceiverListPath();
  if (!std::filesystem::exists(received) || OfferSaveModified() == SaveChoice::Cancelled) return false;
  // Both live in the private folder: the receiver's list takes the upload file's name.
  if (std::rename(received.c_str(), uploadPath_.c_str()) != 0) {
    reporter_.MessageBox(
        WithFailure(Format("The receiver's list could not be opened from %s.", received.c_str()),
                    FailureFromErrno(uploadPath_, errno)));
    return false;
  }
  return ShowUploadedList(NewDatabase(uploadPath_));
}

}  // namespace lumoscope
