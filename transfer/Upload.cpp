// The upload: the PC wakes the receiver's console, types the dump command, records the
// listing until "[END]" (or until the receiver falls silent), keeps the text after each
// line's "||" prefix, and finally lets the receiver continue with "go". The upload files
// live in the user's private folder; the list reaches its target only when the listing
// came to its end and every byte of it was written.
#include "transfer/Upload.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <string_view>
#include <vector>

#include "base/DerivedNames.h"
#include "base/FileFailure.h"
#include "base/ReplacingFile.h"
#include "base/Sections.h"
#include "base/WriteAll.h"
#include "database/ListDB.h"
#include "transfer/CancelWatch.h"
#include "transfer/PortSelection.h"
#include "transfer/PosixLinkFactory.h"
#include "transfer/PrivateFolder.h"
#include "transfer/UploadFilter.h"

namespace lumoscope {
namespace {

constexpr const char* kUploadFileName = "VXRupload.txt";
// The bytes as received, kept beside the upload file until they are filtered.
constexpr const char* kRawFileName = "VXRuploadRaw.txt";
constexpr const char* kFailToOpenOutput = "Fail to open output file %s\n";
constexpr const char* kWriteFailed = "Exception arised, Please Try Again!!";
constexpr std::string_view kFilteredSuffix = "Temp";

// The console needs time to take each typed character; these waits are its pace.
constexpr int64_t kKeyPauseMs = 50;
constexpr int64_t kBeforeDumpCommandMs = 100;

constexpr std::array<uint8_t, 2> kLineEnd{0x0D, 0x0A};
constexpr std::array<uint8_t, 2> kEscape{0x1B, 0x00};
constexpr std::string_view kDumpCommand = "dumpch";
constexpr std::array<uint8_t, 4> kContinueCommand{'g', 'o', 0x0D, 0x0A};

// Room for the longest listing a receiver prints.
constexpr size_t kReceptionBufferBytes = 409600;
// Empty reads after which a silent receiver is taken to have finished.
constexpr int kEmptyReadsAllowed = 6;
// The listing is the list's text file; it ends with its end header.
constexpr std::string_view kEndMarker = kEndHeader;
// Blanks stored after "[END]".
constexpr size_t kBlanksAfterEnd = 2;
// Activity display: half every 1000 bytes, full (beyond the bar's 100) 500 bytes later.
constexpr size_t kActivityPeriodBytes = 1000;
constexpr size_t kActivityHalfPeriodBytes = 500;
constexpr int kActivityHalf = 50;
constexpr int kActivityFull = 1000;

// A listing starts with the satellite name list.
constexpr std::string_view kListHeader = FormatOf(Section::SatNameList).header;

// The steps the message window shows, so that after a failure the person sees how far
// the upload came and what it was waiting for.
constexpr const char* kStepWake = "Waking the receiver's console...\r\n";
constexpr const char* kStepAsk = "The receiver answered; asking for its channel list (dumpch)\r\n";
constexpr const char* kStepWait = "Waiting for the list...\r\n";
constexpr const char* kStepReceived = "%zu lines received (%zu bytes)\r\n";
constexpr const char* kStepEndMarker = "The list ended with [END]\r\n";
constexpr const char* kStepEndPrompt = "The receiver showed its prompt again\r\n";
constexpr const char* kStepEndSilence = "The receiver fell silent before the end of the list\r\n";
constexpr const char* kStepEndFull = "The list did not end within %zu bytes\r\n";
constexpr const char* kStepStopped = "Stopped\r\n";
constexpr const char* kStepContinue = "Letting the receiver continue (go)\r\n";
constexpr const char* kStepDone = "The list is complete\r\n";

// Why reception ended.
enum class ReceptionEnd {
  Marker,      // "[END]" came
  Silence,     // the receiver fell silent (or the device hung up)
  BufferFull,  // the listing did not end within the buffer
  Cancelled,   // the person stopped the upload
};

struct Reception {
  size_t length = 0;
  ReceptionEnd end = ReceptionEnd::Silence;
  bool endedOnPrompt = false;  // the last byte was the console's prompt
};

// The listing came to its end: the marker, or the prompt that the tail rule completes
// once every section has arrived. A listing that just stops (cable pulled, receiver
// frozen, buffer full) or breaks off before its last section is not a list anybody
// should flash back.
bool IsComplete(const Reception& r, std::string_view filtered) {
  return r.end == ReceptionEnd::Marker ||
         (r.end == ReceptionEnd::Silence && r.endedOnPrompt && HasEverySection(filtered));
}

// Reads up to `n` bytes from the start of the file; the errno of a failure, or 0.
int ReadFromStart(int fd, size_t n, std::string& out) {
  out.assign(n, '\0');
  size_t got = 0;
  while (got < n) {
    const ssize_t r = pread(fd, out.data() + got, n - got, static_cast<off_t>(got));
    if (r < 0 && errno == EINTR) continue;
    if (r < 0) return errno;
    if (r == 0) break;
    got += static_cast<size_t>(r);
  }
  out.resize(got);
  return 0;
}

class ConsoleUpload {
 public:
  ConsoleUpload(IReporter& reporter, ISerialLinkFactory& factory, const AppOptions& options,
                std::string target, const std::string& workFolder)
      : reporter_(reporter),
        factory_(factory),
        options_(options),
        cancel_(factory.Cancel(), factory.Clock()),
        target_(std::move(target)),
        workFolder_(workFolder),
        rawPath_(workFolder + "/" + kRawFileName),
        filteredPath_(FilteredUploadPath(workFolder + "/" + kUploadFileName)) {}

  bool Run();

 private:
  void Type(const uint8_t* data, size_t n) { port_->Write(data, n); }
  void Step(const std::string& text) { reporter_.ShowMessage(text); }
  // What came, and why reception ended.
  void TellReception(const std::vector<uint8_t>& buffer, const Reception& reception);
  template <size_t N>
  void Type(const std::array<uint8_t, N>& bytes) {
    Type(bytes.data(), N);
  }
  void Pause(int64_t ms) {
    if (!cancel_.Stopped()) factory_.Clock().SleepMs(ms);
  }
  // Releases the port, lets the receiver continue when it was asked for its list, and
  // says that the upload was cancelled.
  bool Cancelled(bool listAsked);
  // Opens the port with the line, the standard profile and the given queues, purged.
  bool OpenConsolePort(size_t rxQueueBytes, size_t txQueueBytes);
  bool WakeConsole();
  void AskForList();
  Reception Receive(std::vector<uint8_t>& buffer);
  // Stores the raw bytes and filters them into the filtered file; `text` is the
  // filtered list, `head` its first bytes as read back. False after a failure (told).
  bool StoreAndFilter(std::vector<uint8_t>& buffer, size_t length, std::string& text, std::string& head);
  bool Fail(const std::string& message, const FileFailure& failure);
  bool LetReceiverContinue();
  // The filtered list takes the target's place.
  bool Publish(const std::string& text);
  void RemoveWorkFiles() {
    unlink(rawPath_.c_str());
    unlink(filteredPath_.c_str());
  }

  IReporter& reporter_;
  ISerialLinkFactory& factory_;
  const AppOptions& options_;
  CancelWatch cancel_;
  std::string target_;
  std::string workFolder_;
  std::string rawPath_;
  std::string filteredPath_;
  std::unique_ptr<ISerialPort> port_;
};

bool ConsoleUpload::OpenConsolePort(size_t rxQueueBytes, size_t txQueueBytes) {
  port_ = OpenReceiverPort(factory_, options_, reporter_);
  if (!port_) return false;
  SetLineOrWarn(*port_, reporter_);
  port_->SetTimeouts(kStandardProfile);
  port_->SetQueues(rxQueueBytes, txQueueBytes);
  port_->Purge();
  return true;
}

bool ConsoleUpload::Cancelled(bool listAsked) {
  port_.reset();
  Step(kStepStopped);
  // The console waits for "go" once it was asked for its list, finished or not.
  if (listAsked) LetReceiverContinue();
  RemoveWorkFiles();
  cancel_.End();
  reporter_.MessageBox(kUploadCancelledMessage);
  return false;
}

bool ConsoleUpload::Run() {
  // Each transfer starts the message window afresh.
  Step(std::string(kClearAllMessage));
  if (!OpenConsolePort(kUploadRxQueueBytes, kUploadTxQueueBytes)) return false;
  Step(kStepWake);
  const bool awake = WakeConsole();
  if (cancel_.Requested()) return Cancelled(false);
  if (!awake) {
    port_.reset();
    reporter_.MessageBox("CHECK if Receiver's Power is turned ON\r\nAnd TRY AGIAN!!!");
    return false;
  }
  port_->SetTimeouts(kStandardProfile, factory_.Bounds().uploadEmptyReadUs);
  std::vector<uint8_t> buffer;
  try {
    buffer.assign(kReceptionBufferBytes, 0);
  } catch (const std::bad_alloc&) {
    port_.reset();
    reporter_.MessageBox("Fail to Memory Allocation for Upload");
    return false;
  }
  Step(kStepAsk);
  AskForList();
  Step(kStepWait);
  const Reception reception = Receive(buffer);
  TellReception(buffer, reception);
  if (reception.end == ReceptionEnd::Cancelled) return Cancelled(true);
  port_.reset();
  cancel_.End();

  std::string text;
  std::string head;
  if (!StoreAndFilter(buffer, reception.length, text, head)) return false;
  // The receiver waits for "go" whatever came of the listing.
  Step(kStepContinue);
  if (!LetReceiverContinue()) {
    RemoveWorkFiles();
    return false;
  }
  if (!IsComplete(reception, text) || head != kListHeader) {
    RemoveWorkFiles();
    reporter_.MessageBox("ERROR: Uploading is not complete. try again");
    return false;
  }
  if (!Publish(text)) return false;
  Step(kStepDone);
  reporter_.MessageBox("Uploading SUCESS");
  return true;
}

void ConsoleUpload::TellReception(const std::vector<uint8_t>& buffer, const Reception& reception) {
  const auto end = buffer.begin() + static_cast<std::ptrdiff_t>(reception.length);
  const auto lines = static_cast<size_t>(std::count(buffer.begin(), end, static_cast<uint8_t>('\n')));
  Step(Format(kStepReceived, lines, reception.length));
  switch (reception.end) {
    case ReceptionEnd::Marker:
      return Step(kStepEndMarker);
    case ReceptionEnd::Silence:
      return Step(reception.endedOnPrompt ? kStepEndPrompt : kStepEndSilence);
    case ReceptionEnd::BufferFull:
      return Step(Format(kStepEndFull, buffer.size()));
    case ReceptionEnd::Cancelled:
      return;  // said by Cancelled()
  }
}

bool ConsoleUpload::WakeConsole() {
  Pause(kKeyPauseMs);
  Type(kLineEnd);
  for (int i = 0; i < 3; ++i) {
    Pause(kKeyPauseMs);
    Type(kEscape);
    Pause(kKeyPauseMs);
    Type(kLineEnd);
  }
  // Anybody there? The console answers the wake-up with its prompt.
  port_->SetTimeouts(kProbeProfile);
  uint8_t b = 0;
  const size_t got = port_->Read(&b, 1);
  port_->Purge();
  return got == 1;
}

void ConsoleUpload::AskForList() {
  Pause(kBeforeDumpCommandMs);
  for (char c : kDumpCommand) {
    const auto key = static_cast<uint8_t>(c);
    Type(&key, 1);
    Pause(kKeyPauseMs);
  }
  Type(kLineEnd);
  Pause(kKeyPauseMs);
  Type(kLineEnd);
  Pause(kKeyPauseMs);
}

Reception ConsoleUpload::Receive(std::vector<uint8_t>& buffer) {
  Reception r;
  r.end = ReceptionEnd::BufferFull;
  size_t& length = r.length;
  size_t counted = 0;
  int emptyReads = 0;
  while (length < buffer.size()) {
    if (cancel_.Stopped()) {
      r.end = ReceptionEnd::Cancelled;
      break;
    }
    uint8_t b = 0;
    if (port_->Read(&b, 1) == 0) {
      if (++emptyReads >= kEmptyReadsAllowed) {
        r.end = ReceptionEnd::Silence;
        break;
      }
      continue;
    }
    buffer[length++] = b;
    if (b == static_cast<uint8_t>(kEndMarker.back()) && length >= kEndMarker.size() &&
        std::memcmp(&buffer[length - kEndMarker.size()], kEndMarker.data(), kEndMarker.size()) == 0) {
      for (size_t i = 0; i < kBlanksAfterEnd && length < buffer.size(); ++i) buffer[length++] = ' ';
      r.end = ReceptionEnd::Marker;
      break;
    }
    ++counted;
    if (counted % kActivityPeriodBytes == 0) {
      reporter_.SetProgress(kActivityHalf, kProgressShow);
    } else if (counted % kActivityPeriodBytes == kActivityHalfPeriodBytes) {
      reporter_.SetProgress(kActivityFull, kProgressShow);
    }
  }
  r.endedOnPrompt = length > 0 && buffer[length - 1] == static_cast<uint8_t>(kConsolePrompt);
  return r;
}

bool ConsoleUpload::Fail(const std::string& message, const FileFailure& failure) {
  RemoveWorkFiles();
  reporter_.MessageBox(WithFailure(message, failure));
  return false;
}

bool ConsoleUpload::StoreAndFilter(std::vector<uint8_t>& buffer, size_t length, std::string& text,
                                   std::string& head) {
  FileFailure failure;
  if (!PreparePrivateFolder(workFolder_, failure))
    return Fail(Format(kFailToOpenOutput, rawPath_.c_str()), failure);
  const int rawFd = CreatePrivateFile(rawPath_, failure);
  if (rawFd < 0) return Fail(Format(kFailToOpenOutput, rawPath_.c_str()), failure);
  int error = WriteAll(rawFd, std::string_view(reinterpret_cast<const char*>(buffer.data()), length));
  std::vector<uint8_t>().swap(buffer);  // the reception buffer is done with
  std::string raw;
  if (error == 0) error = ReadFromStart(rawFd, length, raw);
  close(rawFd);
  if (error != 0) return Fail(kWriteFailed, FailureFromErrno(rawPath_, error));

  const int filteredFd = CreatePrivateFile(filteredPath_, failure);
  if (filteredFd < 0) return Fail(Format(kFailToOpenOutput, filteredPath_.c_str()), failure);
  text = FilterUploadText(raw);
  error = WriteAll(filteredFd, text);
  if (error == 0) error = ReadFromStart(filteredFd, kListHeader.size(), head);
  if (close(filteredFd) != 0 && error == 0) error = errno;
  if (error != 0) return Fail(kWriteFailed, FailureFromErrno(filteredPath_, error));
  unlink(rawPath_.c_str());
  return true;
}

bool ConsoleUpload::LetReceiverContinue() {
  if (!OpenConsolePort(kReleaseRxQueueBytes, kReleaseTxQueueBytes)) return false;
  Type(kContinueCommand);
  port_.reset();
  return true;
}

bool ConsoleUpload::Publish(const std::string& text) {
  if (FolderOf(target_) == workFolder_) {
    // In the private folder the filtered file takes the name itself; a link of that
    // name is replaced, never followed.
    if (std::rename(filteredPath_.c_str(), target_.c_str()) == 0) return true;
    return Fail(Format(kFailToOpenOutput, target_.c_str()), FailureFromErrno(target_, errno));
  }
  ReplacingFile out(target_);
  const bool written = out.IsOpen() && out.Write(text) && out.Commit();
  if (!written) return Fail(Format(kFailToOpenOutput, target_.c_str()), out.Failure());
  RemoveWorkFiles();
  return true;
}

}  // namespace

std::string UploadFilePath() {
  return UploadFolderPath() + "/" + kUploadFileName;
}

std::string FilteredUploadPath(const std::string& uploadPath) {
  if (HasTextExtension(uploadPath)) {
    const size_t dot = uploadPath.size() - 4;
    return uploadPath.substr(0, dot) + std::string(kFilteredSuffix) + uploadPath.substr(dot);
  }
  return uploadPath + std::string(kFilteredSuffix);
}

bool UploadChannelListTo(CListDB& db, const std::string& target, const std::string& workFolder) {
  ISerialLinkFactory& factory = db.linkFactory ? *db.linkFactory : DefaultLinkFactory();
  return ConsoleUpload(db.Reporter(), factory, db.Options(), target, workFolder).Run();
}

bool UploadChannelList(CListDB& db) {
  return UploadChannelListTo(db, UploadFilePath(), UploadFolderPath());
}

}  // namespace lumoscope
