// The upload: the PC wakes the receiver's console, types the dump command, records the
// listing until "[END]" (or until the receiver falls silent), keeps the text after each
// line's "||" prefix, and finally lets the receiver continue with "go".
#include "transfer/Upload.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <new>
#include <string_view>
#include <vector>

#include "base/DerivedNames.h"
#include "base/FileHandle.h"
#include "database/ListDB.h"
#include "transfer/PortSelection.h"
#include "transfer/PosixLinkFactory.h"
#include "transfer/UploadFilter.h"

namespace lumoscope {
namespace {

constexpr const char* kUploadFileName = "VXRupload.txt";
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
constexpr std::string_view kEndMarker = "[END]";
// Blanks stored after "[END]".
constexpr size_t kBlanksAfterEnd = 2;
// Activity display: half every 1000 bytes, full (beyond the bar's 100) 500 bytes later.
constexpr size_t kActivityPeriodBytes = 1000;
constexpr size_t kActivityHalfPeriodBytes = 500;
constexpr int kActivityHalf = 50;
constexpr int kActivityFull = 1000;

constexpr std::string_view kListHeader = "[SATELLITE_NAME_LIST]";

class ConsoleUpload {
 public:
  ConsoleUpload(IReporter& reporter, ISerialLinkFactory& factory, const AppOptions& options, std::string path)
      : reporter_(reporter), factory_(factory), options_(options), uploadPath_(std::move(path)) {}

  bool Run();

 private:
  void Type(const uint8_t* data, size_t n) { port_->Write(data, n); }
  template <size_t N>
  void Type(const std::array<uint8_t, N>& bytes) {
    Type(bytes.data(), N);
  }
  void Pause(int64_t ms) { factory_.Clock().SleepMs(ms); }
  // Opens the port with the line, the standard profile and the given queues, purged.
  bool OpenConsolePort(size_t rxQueueBytes, size_t txQueueBytes);
  bool WakeConsole();
  void AskForList();
  size_t Receive(std::vector<uint8_t>& buffer);
  // Stores the raw bytes, filters them; the first bytes of the filtered file, or nothing
  // after a failure (already told).
  bool StoreAndFilter(std::vector<uint8_t>& buffer, size_t length, std::string& head);
  bool LetReceiverContinue();

  IReporter& reporter_;
  ISerialLinkFactory& factory_;
  const AppOptions& options_;
  std::string uploadPath_;
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

bool ConsoleUpload::Run() {
  if (!OpenConsolePort(kUploadRxQueueBytes, kUploadTxQueueBytes)) return false;
  if (!WakeConsole()) {
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
  AskForList();
  const size_t length = Receive(buffer);
  port_.reset();

  std::string head;
  if (!StoreAndFilter(buffer, length, head)) return false;
  if (!LetReceiverContinue()) return false;
  if (head == kListHeader) {
    reporter_.MessageBox("Uploading SUCESS");
    return true;
  }
  reporter_.MessageBox("ERROR: Uploading is not complete. try again");
  return false;
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

size_t ConsoleUpload::Receive(std::vector<uint8_t>& buffer) {
  size_t length = 0;
  size_t counted = 0;
  int emptyReads = 0;
  while (length < buffer.size()) {
    uint8_t b = 0;
    if (port_->Read(&b, 1) == 0) {
      if (++emptyReads >= kEmptyReadsAllowed) break;
      continue;
    }
    buffer[length++] = b;
    if (b == static_cast<uint8_t>(kEndMarker.back()) && length >= kEndMarker.size() &&
        std::memcmp(&buffer[length - kEndMarker.size()], kEndMarker.data(), kEndMarker.size()) == 0) {
      for (size_t i = 0; i < kBlanksAfterEnd && length < buffer.size(); ++i) buffer[length++] = ' ';
      break;
    }
    ++counted;
    if (counted % kActivityPeriodBytes == 0) {
      reporter_.SetProgress(kActivityHalf, kProgressShow);
    } else if (counted % kActivityPeriodBytes == kActivityHalfPeriodBytes) {
      reporter_.SetProgress(kActivityFull, kProgressShow);
    }
  }
  return length;
}

bool ConsoleUpload::StoreAndFilter(std::vector<uint8_t>& buffer, size_t length, std::string& head) {
  const std::string filteredPath = FilteredUploadPath(uploadPath_);
  std::string raw;
  {
    FileHandle rawFile = OpenFile(uploadPath_, "w+b");
    if (!rawFile) {
      reporter_.MessageBox(Format("Fail to open output file %s\n", uploadPath_.c_str()));
      return false;
    }
    const bool written =
        std::fwrite(buffer.data(), 1, length, rawFile.get()) == length && std::fflush(rawFile.get()) == 0;
    std::vector<uint8_t>().swap(buffer);  // the reception buffer is done with
    if (!written) {
      rawFile.reset();
      reporter_.MessageBox("Exception arised, Please Try Again!!");
      return false;
    }
    std::rewind(rawFile.get());
    FileHandle filtered = OpenFile(filteredPath, "w+b");
    if (!filtered) {
      rawFile.reset();
      reporter_.MessageBox(Format("Fail to open output file %s\n", filteredPath.c_str()));
      return false;
    }
    raw.resize(length);
    raw.resize(std::fread(raw.data(), 1, length, rawFile.get()));
    const std::string text = FilterUploadText(raw);
    std::fwrite(text.data(), 1, text.size(), filtered.get());
    std::fflush(filtered.get());
    std::rewind(filtered.get());
    char first[kListHeader.size()];
    head.assign(first, std::fread(first, 1, sizeof first, filtered.get()));
  }
  std::error_code ec;
  std::filesystem::remove(uploadPath_, ec);
  std::filesystem::rename(filteredPath, uploadPath_, ec);
  return true;
}

bool ConsoleUpload::LetReceiverContinue() {
  if (!OpenConsolePort(kReleaseRxQueueBytes, kReleaseTxQueueBytes)) return false;
  Type(kContinueCommand);
  port_.reset();
  return true;
}

}  // namespace

std::string UploadFilePath() {
  return (std::filesystem::temp_directory_path() / kUploadFileName).string();
}

std::string FilteredUploadPath(const std::string& uploadPath) {
  if (HasTextExtension(uploadPath)) {
    const size_t dot = uploadPath.size() - 4;
    return uploadPath.substr(0, dot) + std::string(kFilteredSuffix) + uploadPath.substr(dot);
  }
  return uploadPath + std::string(kFilteredSuffix);
}

bool UploadChannelListTo(CListDB& db, const std::string& uploadPath) {
  ISerialLinkFactory& factory = db.linkFactory ? *db.linkFactory : DefaultLinkFactory();
  return ConsoleUpload(db.Reporter(), factory, db.Options(), uploadPath).Run();
}

bool UploadChannelList(CListDB& db) {
  return UploadChannelListTo(db, UploadFilePath());
}

}  // namespace lumoscope
