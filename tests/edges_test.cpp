// The program at its edges: receivers that stop or fall silent, full disks, planted
// links, files that are no lists, hostile scan tables, saves through links, backups that
// cannot be made, lists edited by two programs at once, kills and stop signals. Each case
// says what must still hold: nothing is lost, nothing is misreported, nothing waits
// without bound.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "base/DerivedNames.h"
#include "base/ListLimits.h"
#include "base/ReplacingFile.h"
#include "base/SilentReporter.h"
#include "base/TemporaryNames.h"
#include "cli/BatchList.h"
#include "cli/ProgramOutput.h"
#include "database/Compiler.h"
#include "database/ListDB.h"
#include "database/ReaderMessages.h"
#include "editing/ScanTable.h"
#include "listview/ListView.h"
#include "listview/NullListControl.h"
#include "shell/CompileCommands.h"
#include "shell/ImageFiles.h"
#include "shell/ListExport.h"
#include "shell/LumoscopeDoc.h"
#include "shell/SettingsStore.h"
#include "tests/support/BinImage.h"
#include "tests/support/CliRun.h"
#include "tests/support/FakeFileChooser.h"
#include "tests/support/FakeLink.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/SimulatedReceiver.h"
#include "tests/support/TempDir.h"
#include "tools/listgen/ListGenerator.h"
#include "transfer/Download.h"
#include "transfer/HexToBin.h"
#include "transfer/ListLock.h"
#include "transfer/PrivateFolder.h"
#include "transfer/SectionListLoader.h"
#include "transfer/SectionListWriter.h"
#include "transfer/Upload.h"

namespace lumoscope {
namespace {

namespace fs = std::filesystem;
using test::FileExists;
using test::ReadFile;
using test::RecordingReporter;
using test::RunCli;
using test::TempDir;
using testing::StartsWith;

constexpr int64_t kSecondUs = 1'000'000;
constexpr const char* kNotComplete = "ERROR: Uploading is not complete. try again";

// The file's identity and times as lstat and stat see them: a file left untouched keeps
// all of them.
struct Untouched {
  explicit Untouched(const std::string& name) : path(name) {
    lstat(path.c_str(), &link);
    stat(path.c_str(), &file);
    bytes = ReadFile(path);
  }
  bool StillHolds() const {
    struct stat l2, f2;
    return lstat(path.c_str(), &l2) == 0 && stat(path.c_str(), &f2) == 0 && l2.st_ino == link.st_ino &&
           l2.st_mode == link.st_mode && f2.st_ino == file.st_ino && f2.st_uid == file.st_uid &&
           f2.st_mtim.tv_nsec == file.st_mtim.tv_nsec && f2.st_mtim.tv_sec == file.st_mtim.tv_sec &&
           f2.st_ctim.tv_nsec == file.st_ctim.tv_nsec && ReadFile(path) == bytes;
  }
  std::string path;
  struct stat link {};
  struct stat file {};
  std::string bytes;
};

// A file-size limit makes writes fail as on a full disk, for the life of the object.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit small = old_;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }

 private:
  rlimit old_{};
};

// A generated list whose first digital channel has the service ID 0: the loader asks
// for it to be saved at once (it is written back in the program's layout).
std::string ListNeedingResave(std::string text) {
  const size_t section = text.find("[DIGITAL CHANNEL]");
  size_t line = text.find("\r\n", section) + 2;
  while (text[line] == '#' || text[line] == '\r') line = text.find("\r\n", line) + 2;
  // Fourth token of the record: the service ID.
  size_t pos = line;
  for (int token = 0; token < 3; ++token) {
    pos = text.find_first_not_of(' ', text.find(' ', pos));
  }
  const size_t end = text.find(' ', pos);
  text.replace(pos, end - pos, std::string(end - pos - 1, ' ') + "0");
  return text;
}

// The program's sections in another order, one the compiler takes as well: the analog
// transponders before the digital ones.
std::string ReorderedList(const std::string& text) {
  auto section = [&](const char* header) {
    const size_t start = text.rfind("\r\n\r\n", text.find(header));
    const size_t end = text.find("\r\n\r\n[", start + 4);
    return text.substr(start, end - start);
  };
  const size_t end = text.find("\r\n\r\n[END]");
  return section("[SATELLITE_NAME_LIST]") + section("[SATELLITE]") + section("[ANALOG TP]") +
         section("[DIGITAL TP]") + section("[DIGITAL CHANNEL]") + section("[DIGITAL PID CHANNEL]") +
         text.substr(end);
}

// The scene of a link another user planted in a shared folder: a sticky folder everybody
// may write, holding `name`, a link to `victim` that belongs to nobody. Needs root (to give
// the link away); empty otherwise.
std::string PlantedLink(const TempDir& dir, const std::string& name, const std::string& victim) {
  if (geteuid() != 0) return {};
  const std::string shared = dir.File("shared");
  fs::create_directory(shared);
  chmod(shared.c_str(), 01777);
  const std::string link = shared + "/" + name;
  fs::create_symlink(victim, link);
  constexpr uid_t kNobody = 65534;
  return lchown(link.c_str(), kNobody, kNobody) == 0 ? link : std::string();
}

// The message of a refused planted link, as the writer's failure ends it.
std::string RefusedLink(const std::string& link) {
  return link + ": " + Format(kRefusedLinkReason, link.c_str());
}

// How far a child process's resident memory grows while it runs `work`, in MiB.
int PeakMemoryGrowthMiB(const std::function<void()>& work) {
  const auto statusField = [](const char* name) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
      if (line.starts_with(name)) return std::atol(line.c_str() + std::strlen(name));
    return 0L;
  };
  const pid_t child = fork();
  if (child == 0) {
    // Forget the parent's peak: from here on the peak is the child's own.
    if (!(std::ofstream("/proc/self/clear_refs") << "5")) _exit(255);
    const long before = statusField("VmRSS:");
    work();
    _exit(static_cast<int>(std::min((statusField("VmHWM:") - before) / 1024, 254L)));
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 255;
}

// Runs lumoscope-cli with its standard output going to `out` (a path such as /dev/full).
test::CliResult RunCliInto(const std::string& args, const std::string& out, const TempDir& dir) {
  const std::string err = dir.File("cli-stderr.log");
  const int status =
      std::system((std::string(LUMOSCOPE_CLI_PATH) + " " + args + " >" + out + " 2>" + err).c_str());
  test::CliResult r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(err), {}};
  std::remove(err.c_str());
  return r;
}

// --- Scan tables ----------------------------------------------------------------------

TEST(Edges, ScanTablesAreReadWithinBoundsWhateverTheyHold) {
  TempDir dir;
  const std::string group =
      "[CHANNEL]\n\tDELIVERY_SYSTEM = DVBS\n\tFREQUENCY = 11494000\n"
      "\tPOLARIZATION = HORIZONTAL\n\tSYMBOL_RATE = 22000000\n";
  std::string repeated = group;
  for (int i = 0; i < 80; ++i) repeated += "\tMODULATION = PSK/8\n";
  struct Case {
    std::string text;
    const char* error;  // empty: read
  };
  const Case cases[] = {
      {repeated, "line 7 gives MODULATION a second time in its group (first on line 6)"},
      {group + "\tINNER_FEC = " + std::string(300, '9') + "\n", "line 6 is longer than 256 characters"},
      {group + "\tINNER_FEC = " + std::string(129, '9') + "\n",
       "line 6 gives INNER_FEC a value longer than 128"},
      {std::string(kMaxScanTableBytes + 1, '#'), "bytes long, and a scan table has at most 1 MiB"},
      {[&] {
         std::string many;
         for (size_t i = 0; i <= kMaxScanTableGroups; ++i) many += "[C]\n";
         return many;
       }(),
       "line 5001 opens more than the 5000 groups"},
  };
  for (const Case& c : cases) {
    const std::string path = dir.Write("table", c.text);
    std::string error;
    EXPECT_FALSE(ReadScanTable(path, error));
    EXPECT_THAT(error, testing::HasSubstr(path));
    EXPECT_THAT(error, testing::HasSubstr(c.error));
  }
  // 2,000 groups: read, in memory in proportion to the table (the 200 KB read here once
  // took gigabytes).
  std::string large;
  for (int i = 0; i < 2000; ++i) large += group;
  const int growth = PeakMemoryGrowthMiB([&] {
    std::string error;
    const std::optional<ScanTable> table = ParseScanTable(large, "large", error);
    if (!table || table->entries.size() != 2000) _exit(255);
  });
  EXPECT_LE(growth, 16) << "255: not read, or no peak to measure";
}

TEST(Edges, ScanTableUnderATranslatedLocaleIsRefusedInPlainWords) {
  TempDir dir;
  const std::string list = dir.Write("list.txt", listgen::SmallList());
  const std::string table = dir.Write(
      "table", "[CHANNEL]\n\tDELIVERY_SYSTEM = DVBS\n\tPOLARIZATION = " + std::string(32, 'X') + "\n");
  const Untouched before(list);
  setenv("LANGUAGE", "uk", 1);
  const test::CliResult r =
      RunCli("import-transponders --satellite 0 --scan-table " + table + " " + list, dir);
  unsetenv("LANGUAGE");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_THAT(r.err, testing::HasSubstr("line 3 gives POLARIZATION a value this program does not know"));
  EXPECT_TRUE(before.StillHolds());
}

// --- Upload ---------------------------------------------------------------------------

class UploadEdges : public test::SimulatedReceiverTest {
 protected:
  UploadEdges() { dir.Write("upload.txt", "the previous upload"); }
  bool Upload(const std::string& workFolder) {
    return UploadChannelListTo(db, dir.File("upload.txt"), workFolder);
  }
  // The console on a fake line: it answers the wake-up and prints `listing`.
  void ScriptConsole(const std::string& listing) {
    fakeLink.device.Arrive(0, ">");
    fakeLink.device.Arrive(kSecondUs, "dumpch\r\n" + listing);
    db.linkFactory = &fakeLink;
  }
  static std::string Listing() {
    return "CH_DUMP||[SATELLITE_NAME_LIST]\r\nCH_DUMP||1 \"A\"\r\nCH_DUMP||[END]\r\nSTB>";
  }
  bool Untouched() const { return ReadFile(dir.File("upload.txt")) == "the previous upload"; }

  test::FakeLinkFactory fakeLink;
};

TEST_F(UploadEdges, ListingThatStopsPartWayIsNotCompleteAndReplacesNothing) {
  for (const sim::ListingEnd end : {sim::ListingEnd::Stop, sim::ListingEnd::Freeze}) {
    SCOPED_TRACE(static_cast<int>(end));
    reporter.Clear();
    sim::SimOptions o;
    o.channelList = listgen::SmallList();
    o.listingEnd = end;
    o.listingLines = 20;
    StartReceiver(o);
    EXPECT_FALSE(Upload(dir.File("private")));
    EXPECT_EQ(reporter.boxes, std::vector<std::string>{kNotComplete});
    EXPECT_TRUE(Untouched());
    EXPECT_TRUE(fs::is_empty(dir.File("private")));
    // The receiver is let go all the same; a frozen one does not take it.
    EXPECT_EQ(StopReceiver().continueReceived, end == sim::ListingEnd::Stop);
  }
}

TEST_F(UploadEdges, FullDiskIsToldAndReplacesNothing) {
  ScriptConsole(Listing());
  const FileSizeLimit limit(16);
  EXPECT_FALSE(Upload(dir.File("private")));
  ASSERT_EQ(reporter.boxes.size(), 1u);
  EXPECT_THAT(reporter.boxes[0], StartsWith("Exception arised, Please Try Again!!\n"));
  EXPECT_TRUE(Untouched());
  EXPECT_TRUE(fs::is_empty(dir.File("private")));
}

TEST_F(UploadEdges, UploadFilesNeverFollowPlantedLinks) {
  const std::string victim = dir.Write("victim.txt", "somebody's file");
  const std::string folder = dir.File("private");
  ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
  for (const char* name : {"VXRupload.txt", "VXRuploadRaw.txt", "VXRuploadTemp.txt"})
    fs::create_symlink(victim, folder + "/" + name);
  ScriptConsole(Listing());
  EXPECT_TRUE(UploadChannelListTo(db, folder + "/VXRupload.txt", folder));
  EXPECT_EQ(ReadFile(victim), "somebody's file");
  EXPECT_FALSE(fs::is_symlink(folder + "/VXRupload.txt"));
  EXPECT_THAT(ReadFile(folder + "/VXRupload.txt"), StartsWith("[SATELLITE_NAME_LIST]"));
  EXPECT_EQ(TempDir::FileNamesIn(folder), std::vector<std::string>{"VXRupload.txt"});
}

TEST_F(UploadEdges, ListingEndingOnThePromptIsWholeOnlyWithEverySection) {
  // The list as the receiver holds it, without "[END]", and what it prints of it.
  const std::string list = listgen::SmallList();
  const std::string held = list.substr(0, list.rfind(kEndHeader));
  const std::string printed = held.substr(held.find('['));
  const std::string throughDigitalTp = printed.substr(0, printed.find("\r\n", printed.find("[DIGITAL TP]")));
  const int linesThroughDigitalTp =
      static_cast<int>(std::count(throughDigitalTp.begin(), throughDigitalTp.end(), '\n')) + 1;
  struct Case {
    int promptLine;  // 0: the bare prompt on a line of its own
    int lines;       // -1: the whole list
  };
  for (const Case& c : {Case{0, -1}, Case{18, -1}, Case{40, -1}, Case{18, linesThroughDigitalTp}}) {
    SCOPED_TRACE(testing::Message() << c.promptLine << " " << c.lines);
    reporter.Clear();
    sim::SimOptions o;
    o.channelList = held;
    o.listingEnd = sim::ListingEnd::PromptOnly;
    o.promptLineLength = c.promptLine;
    o.listingLines = c.lines;
    StartReceiver(o);
    const bool complete = c.lines < 0;
    EXPECT_EQ(Upload(dir.File("private")), complete);
    EXPECT_TRUE(StopReceiver().continueReceived);
    if (!complete) {
      EXPECT_EQ(reporter.boxes, std::vector<std::string>{kNotComplete});
      EXPECT_TRUE(Untouched());
      continue;
    }
    EXPECT_EQ(reporter.boxes, std::vector<std::string>{"Uploading SUCESS"});
    // Every byte of the listing is kept; the end block stands where the prompt line was.
    EXPECT_EQ(ReadFile(dir.File("upload.txt")), printed + " \r\n[END]\r\n\r\n");
    std::vector<std::string> uploaded, original;
    CListDB uploadedDb(reporter, options, dir.File("upload.txt"));
    CListDB originalDb(reporter, options, dir.Write("original.txt", list));
    ASSERT_TRUE(LoadSectionList(uploadedDb, uploaded));
    ASSERT_TRUE(LoadSectionList(originalDb, original));
    EXPECT_EQ(uploaded, original);
    dir.Write("upload.txt", "the previous upload");
  }
}

TEST_F(UploadEdges, PlantedLinkIsNotFollowed) {
  const std::string victim = dir.Write("victim.txt", "somebody's file");
  const std::string link = PlantedLink(dir, "upload.txt", victim);
  if (link.empty()) GTEST_SKIP() << "giving a link to another user needs root";
  ScriptConsole(Listing());
  EXPECT_FALSE(UploadChannelListTo(db, link, dir.File("private")));
  ASSERT_EQ(reporter.boxes.size(), 1u);
  EXPECT_EQ(reporter.boxes[0], WithFailure(Format("Fail to open output file %s\n", link.c_str()),
                                           {link, Format(kRefusedLinkReason, link.c_str())}));
  EXPECT_EQ(ReadFile(victim), "somebody's file");
}

TEST_F(UploadEdges, StopSignalEndsTheCommandLinesUploadAsACancelledOne) {
  sim::SimOptions o;
  const std::string list = listgen::SmallList();
  o.channelList = list.substr(0, list.rfind(kEndHeader));
  o.listingEnd = sim::ListingEnd::Never;
  o.baud = 115200;  // the endless listing would fill the buffer in about 35 s
  StartReceiver(o);
  setenv("XDG_RUNTIME_DIR", dir.Path().c_str(), 1);
  const std::string err = dir.File("stderr.log");
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&files, STDERR_FILENO, err.c_str(), O_WRONLY | O_CREAT, 0600);
  const std::string device = receiver->DevicePath();
  const std::string target = dir.File("upload.txt");
  const char* argv[] = {LUMOSCOPE_CLI_PATH, "upload", "--device", device.c_str(), "-o",
                        target.c_str(),     nullptr};
  pid_t cli = 0;
  ASSERT_EQ(posix_spawn(&cli, LUMOSCOPE_CLI_PATH, &files, nullptr, const_cast<char**>(argv), environ), 0);
  posix_spawn_file_actions_destroy(&files);
  unsetenv("XDG_RUNTIME_DIR");
  std::this_thread::sleep_for(std::chrono::seconds(2));  // well into the listing
  kill(cli, SIGTERM);
  int status = 0;
  waitpid(cli, &status, 0);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 128 + SIGTERM);
  EXPECT_EQ(ReadFile(err), std::string(kUploadCancelledMessage) + "\n");
  EXPECT_TRUE(Untouched());
  EXPECT_TRUE(StopReceiver().continueReceived);
  EXPECT_TRUE(!fs::exists(dir.File("lumoscope")) || fs::is_empty(dir.File("lumoscope")));
}

TEST_F(UploadEdges, FolderOthersCanEnterIsRefused) {
  const std::string open = dir.File("open");
  ASSERT_EQ(mkdir(open.c_str(), 0755), 0);
  ASSERT_EQ(chmod(open.c_str(), 0755), 0);
  const std::string linked = dir.File("linked");
  fs::create_directory_symlink(open, linked);
  for (const std::string& folder : {open, linked}) {
    reporter.Clear();
    ScriptConsole(Listing());
    EXPECT_FALSE(Upload(folder));
    ASSERT_EQ(reporter.boxes.size(), 1u);
    EXPECT_THAT(reporter.boxes[0], StartsWith(Format("Fail to open output file %s/VXRuploadRaw.txt\n%s: ",
                                                     folder.c_str(), folder.c_str())));
    EXPECT_TRUE(fs::is_empty(open));
    EXPECT_TRUE(Untouched());
  }
}

TEST(Edges, UploadFolderIsTheRuntimeFolderWhenPrivateElseTheCache) {
  TempDir dir;
  const std::string open = dir.File("open");
  ASSERT_EQ(mkdir(open.c_str(), 0700), 0);
  ASSERT_EQ(chmod(open.c_str(), 0755), 0);
  setenv("XDG_RUNTIME_DIR", dir.Path().c_str(), 1);
  EXPECT_EQ(UploadFolderPath(), dir.File("lumoscope"));
  setenv("XDG_RUNTIME_DIR", open.c_str(), 1);
  setenv("XDG_CACHE_HOME", dir.File("cache").c_str(), 1);
  EXPECT_EQ(UploadFilePath(), dir.File("cache/lumoscope/VXRupload.txt"));
  unsetenv("XDG_RUNTIME_DIR");
  unsetenv("XDG_CACHE_HOME");
}

// --- Files that are no lists ----------------------------------------------------------

TEST(Edges, InputsMustBeRegularFilesOfBoundedSize) {
  TempDir dir;
  const std::string fifo = dir.File("fifo.txt");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  const std::string device = dir.File("device.txt");
  fs::create_symlink("/dev/zero", device);
  const std::string big = dir.File("big.txt");
  std::ofstream(big).close();
  fs::resize_file(big, kMaxInputFileBytes + 1);
  fs::create_directory(dir.File("folder.txt"));
  for (const std::string& path : {fifo, device, big, dir.File("folder.txt")}) {
    SCOPED_TRACE(path);
    for (const char* command : {"check", "compile", "format", "sort --by 1"}) {
      const test::CliResult r = RunCli(std::string(command) + " " + path, dir);
      EXPECT_EQ(r.exitCode, 1) << command;
      EXPECT_THAT(r.err, StartsWith(Format(msg::kCantOpenInput, path.c_str()) + path + ": ")) << command;
    }
  }
  EXPECT_EQ(fs::read_symlink(device), "/dev/zero");
  EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
  const test::CliResult r = RunCli("download --device /dev/null " + fifo, dir);
  EXPECT_THAT(r.err, StartsWith(Format("Fail to open input file %s\n%s: ", fifo.c_str(), fifo.c_str())));
}

// --- Saving ---------------------------------------------------------------------------

TEST(Edges, SavesWriteThroughLinksKeepTheModeAndRefuseSpecialFiles) {
  TempDir dir;
  const std::string original = listgen::SmallList() + "# the user's own notes after the end\r\n";
  fs::create_directory(dir.File("real"));
  const std::string real = dir.Write("real/list.txt", original);
  ASSERT_EQ(chmod(real.c_str(), 0640), 0);
  const std::string link = dir.File("list.txt");
  fs::create_symlink(real, link);
  EXPECT_EQ(RunCli("format " + link, dir).exitCode, 0);
  EXPECT_EQ(fs::read_symlink(link), real);
  EXPECT_NE(ReadFile(real), original);
  EXPECT_EQ(fs::status(real).permissions(), fs::perms(0640));
  EXPECT_EQ(ReadFile(dir.File("list.bak")), original);
  EXPECT_EQ(TempDir::FileNamesIn(dir.File("real")), std::vector<std::string>{"list.txt"});

  const std::string fifo = dir.File("fifo.txt");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  ReplacingFile out(fifo);
  EXPECT_FALSE(out.IsOpen());
  EXPECT_EQ(out.Failure().path, fifo);
  EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
}

TEST(Edges, BackupThatCannotBeMadeRefusesTheSave) {
  TempDir dir;
  RecordingReporter reporter;
  AppOptions options;
  // Not in the program's own layout: the save has something to write.
  const std::string path = dir.Write("list.txt", ReorderedList(listgen::SmallList()));
  fs::create_directory(dir.File("list.bak"));
  const Untouched before(path);
  CListDB db(reporter, options, path);
  std::vector<std::string> fields;
  ASSERT_TRUE(LoadSectionList(db, fields));
  EXPECT_FALSE(SaveSectionList(db, fields));
  ASSERT_EQ(reporter.boxes.size(), 1u);
  EXPECT_NE(reporter.boxes[0].find(dir.File("list.bak") + ": "), std::string::npos);
  EXPECT_TRUE(before.StillHolds());
  EXPECT_TRUE(fs::is_directory(dir.File("list.bak")));
}

TEST(Edges, LeftoverTemporariesOfAKilledRunAreRemovedByTheNextSave) {
  TempDir dir;
  RecordingReporter reporter;
  AppOptions options;
  const std::string path = dir.Write("list.txt", "old");
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  const std::string marker(kTemporaryMarker);
  const std::string dead = dir.Write("list.txt" + marker + std::to_string(child) + "-abcdef", "half");
  const std::string alive = dir.Write("list.txt" + marker + "1-abcdef", "in use");
  CListDB db(reporter, options, path);
  ASSERT_TRUE(SaveSectionList(db, {}));
  EXPECT_FALSE(FileExists(dead));
  EXPECT_TRUE(FileExists(alive));
}

// --- The command line writes a list only when asked to change it ----------------------

TEST(Edges, SortWritesOnceAndTheBakHoldsTheOriginal) {
  TempDir dir;
  const std::string original = ListNeedingResave(listgen::SmallList());
  const std::string path = dir.Write("list.txt", original);
  EXPECT_EQ(RunCli("sort --by 4 " + path, dir).exitCode, 0);
  EXPECT_EQ(ReadFile(dir.File("list.bak")), original);
  EXPECT_NE(ReadFile(path), original);
}

TEST(Edges, RefusedPadWritesNothing) {
  TempDir dir;
  // Full to the last channel: padding is refused; and the loader asks for a re-save.
  const std::string path = dir.Write("list.txt", ListNeedingResave(listgen::StressList()));
  const Untouched before(path);
  const test::CliResult r = RunCli("pad " + path, dir);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find(kListFullMessage), std::string::npos);
  EXPECT_TRUE(before.StillHolds());
  EXPECT_FALSE(FileExists(dir.File("list.bak")));
}

TEST(Edges, CompileReadsTheListOnlyAndMakesTheImagesOfItsText) {
  struct Mode {
    const char* args;
    bool normal, basic, split;
  };
  const Mode modes[] = {{"--normal", true, false, false},
                        {"--basic --split", false, true, true},
                        {"", true, true, false},
                        {"--split", true, true, true}};
  for (uint32_t seed = 1; seed <= 3; ++seed) {
    TempDir dir;
    listgen::ListShape shape;
    shape.seed = seed;
    const std::string text = ReorderedList(listgen::GenerateList(shape));
    ASSERT_NE(text, listgen::GenerateList(shape));
    fs::create_directory(dir.File("real"));
    const std::string real = dir.Write("real/list.txt", text);
    fs::create_symlink(real, dir.File("list.txt"));
    const Untouched linkBefore(dir.File("list.txt"));
    const Untouched fileBefore(real);
    ASSERT_EQ(RunCli("check " + dir.File("list.txt"), dir).exitCode, 0);
    for (const Mode& m : modes) {
      SCOPED_TRACE(testing::Message() << seed << " " << m.args);
      ASSERT_EQ(RunCli(std::string("compile ") + m.args + " " + dir.File("list.txt"), dir).exitCode, 0);
      // What the compiler makes of the file's own text, in the images' order.
      SilentReporter silent;
      std::string hex;
      for (const bool normal : {true, false}) {
        if (!(normal ? m.normal : m.basic)) continue;
        const CompileRequest request{normal, false, m.split, kMaxSatellitesSmall};
        hex += ImageToHex(CompileText(text, request, silent).image, normal);
      }
      std::string bin;
      ASSERT_TRUE(BuildBinImage(silent, hex, bin));
      EXPECT_EQ(ReadFile(dir.File("list.hex")), hex);
      EXPECT_EQ(ReadFile(dir.File("list.bin")), bin);
      EXPECT_TRUE(linkBefore.StillHolds());
      EXPECT_TRUE(fileBefore.StillHolds());
    }
    EXPECT_EQ(dir.FileNames(), (std::vector<std::string>{"list.bin", "list.hex", "list.txt", "real"}));
  }
}

TEST(Edges, FailureBetweenTheHalvesOfAPreinstalledCompileLeavesNoImage) {
  TempDir dir;
  RecordingReporter reporter;
  AppOptions options;
  const std::string text = listgen::SmallList();
  const std::string path = dir.Write("list.txt", text);
  dir.Write("list.hex", "an earlier image");
  dir.Write("list.bin", "an earlier image");
  // Room for either half, not for both joined.
  SilentReporter silent;
  const size_t normal = ImageToHex(CompileText(text, {true, false, false, 32}, silent).image, true).size();
  const size_t basic = ImageToHex(CompileText(text, {false, false, false, 32}, silent).image, false).size();
  CListDB db(reporter, options, path);
  {
    const FileSizeLimit limit(std::max(normal, basic) + 1);
    EXPECT_FALSE(PreinstalledCompile(db));
  }
  EXPECT_EQ(dir.FileNames(), std::vector<std::string>{"list.txt"});
  EXPECT_EQ(ReadFile(path), text);
}

TEST(Edges, ImagesStoppedAtAnyStepOfTakingTheirPlaceAreNeverBesideAnotherListsImage) {
  using Images = std::map<std::string, std::string>;
  const std::string earlier = "earlier list", ours = "this list";
  // What stays when the program is killed after each step (0: not killed). Between the two
  // removals, one system call apart, the earlier ".bin" is still there alone.
  const std::pair<int, Images> cases[] = {{1, {{"list.bin", earlier}}},
                                          {2, {}},
                                          {3, {{"list.hex", ours}}},
                                          {4, {{"list.hex", ours}, {"list.bin", ours}}},
                                          {0, {{"list.hex", ours}, {"list.bin", ours}}}};
  for (const auto& [step, expected] : cases) {
    const int stopAfter = step;  // for the lambda below
    SCOPED_TRACE(stopAfter);
    TempDir dir;
    const std::string hex = dir.Write("list.hex", earlier);
    const std::string bin = dir.Write("list.bin", earlier);
    const std::string hexTemp = dir.Write("new.hex", ours);
    const std::string binTemp = dir.Write("new.bin", ours);
    const pid_t child = fork();
    if (child == 0) {
      int steps = 0;
      SilentReporter silent;
      PublishImages(silent, hexTemp, hex, binTemp, bin, [&] {
        if (++steps == stopAfter) _exit(0);  // killed here
      });
      _exit(0);
    }
    waitpid(child, nullptr, 0);
    Images left;
    for (const char* name : {"list.hex", "list.bin"})
      if (FileExists(dir.File(name))) left[name] = ReadFile(dir.File(name));
    EXPECT_EQ(left, expected);
  }
}

TEST(Edges, PlantedLinkIsNotFollowedByTheCommandLine) {
  TempDir dir;
  const std::string victim = dir.Write("victim.txt", ReorderedList(listgen::SmallList()));
  const std::string list = dir.Write("list.txt", listgen::SmallList());
  for (const char* command : {"export -o %s ", "format %s"}) {
    const std::string link = PlantedLink(dir, "out.txt", victim);
    if (link.empty()) GTEST_SKIP() << "giving a link to another user needs root";
    const Untouched before(victim);
    const std::string args =
        Format(command, link.c_str()) + (std::string(command).starts_with("export") ? list : "");
    const test::CliResult r = RunCli(args, dir);
    EXPECT_EQ(r.exitCode, 1) << command;
    EXPECT_THAT(r.err, testing::HasSubstr(RefusedLink(link))) << command;
    EXPECT_TRUE(before.StillHolds()) << command;
    EXPECT_FALSE(IsWritableFile(link));
    fs::remove(link);
  }
}

TEST(Edges, CommandWhoseResultIsTheFileWritesNothing) {
  TempDir dir;
  const std::string table = std::string(LUMOSCOPE_SOURCE_DIR) + "/tests/data/scan-tables/Testsat-19.2E";
  const std::string path = dir.File("list.txt");
  // Run twice, each of these has nothing left to do the second time.
  for (const std::string& args :
       {"format " + path, "sort --by 4 " + path, "set " + path + " --satellite-name 1 name=Testsat",
        "order --like " + path + " " + path,
        "import-transponders --new-satellite --scan-table " + table + " " + path}) {
    SCOPED_TRACE(args);
    dir.Write("list.txt", ListNeedingResave(listgen::SmallList()));
    std::remove(dir.File("list.bak").c_str());
    ASSERT_EQ(RunCli(args, dir).exitCode, 0);
    const Untouched list(path);
    const std::string backup = FileExists(dir.File("list.bak")) ? ReadFile(dir.File("list.bak")) : "";
    const test::CliResult again = RunCli(args, dir);
    EXPECT_EQ(again.exitCode, 0) << again.err;
    EXPECT_THAT(again.out, testing::HasSubstr(Format(cli::kListUnchangedMessage, path.c_str())));
    EXPECT_TRUE(list.StillHolds());
    EXPECT_EQ(FileExists(dir.File("list.bak")) ? ReadFile(dir.File("list.bak")) : "", backup);
  }
}

TEST(Edges, ReadOnlyListIsNotReplaced) {
  TempDir dir;
  const std::string table = std::string(LUMOSCOPE_SOURCE_DIR) + "/tests/data/scan-tables/Testsat-19.2E";
  const std::string path = dir.Write("list.txt", ReorderedList(listgen::SmallList()));
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  const Untouched before(path);
  const std::string commands[] = {"format " + path,
                                  "sort --by 4 " + path,
                                  "pad " + path,
                                  "set " + path + " --satellite-name 1 name=Other",
                                  "import-transponders --new-satellite --scan-table " + table + " " + path,
                                  "order --like " + path + " " + path,
                                  "tidy --null-channels " + path,
                                  "upload --device /dev/null -o " + path};
  for (const std::string& command : commands) {
    const test::CliResult r = RunCli(command, dir);
    EXPECT_EQ(r.exitCode, 1) << command;
    EXPECT_EQ(r.err, Format(cli::kListReadOnlyMessage, path.c_str()) + "\n") << command;
    EXPECT_TRUE(before.StillHolds()) << command;
  }
  EXPECT_FALSE(FileExists(dir.File("list.bak")));
}

TEST(Edges, ReportThatCannotBeWrittenIsAFailure) {
  TempDir dir;
  const std::string table = std::string(LUMOSCOPE_SOURCE_DIR) + "/tests/data/scan-tables/Testsat-19.2E";
  const std::string path = dir.File("list.txt");
  const std::string full = Format(cli::kOutputFailed, std::strerror(ENOSPC)) + "\n";
  struct Case {
    std::string args;
    int exitCode;
    std::string err;
  };
  const Case cases[] = {
      {"tidy --null-channels " + path, 2, full},
      {"order --like " + path + " " + path, 2, full},
      {"import-transponders --new-satellite --scan-table " + table + " " + path, 2, full},
      {"export " + path, 2, Format("%s\nstandard output: %s\n", kExportFailed, std::strerror(ENOSPC))},
      {"check " + path, 0, ""},  // says nothing when the list is good: nothing to fail
  };
  for (const Case& c : cases) {
    dir.Write("list.txt", ReorderedList(listgen::SmallList()));
    const test::CliResult r = RunCliInto(c.args, "/dev/full", dir);
    EXPECT_EQ(r.exitCode, c.exitCode) << c.args;
    EXPECT_EQ(r.err, c.err) << c.args;
  }
}

TEST(Edges, TwoEditsOfOneListAtOnceBothLand) {
  TempDir dir;
  listgen::ListShape shape;
  shape.channels = 300;
  const std::string list = listgen::GenerateList(shape);
  // Padding a padded list adds another hundred to every group: two paddings one after
  // the other, and two at the same time, must give the same list.
  const std::string one = dir.Write("one-after-the-other.txt", list);
  ASSERT_EQ(RunCli("pad " + one, dir).exitCode, 0);
  ASSERT_EQ(RunCli("pad " + one, dir).exitCode, 0);
  const std::string path = dir.Write("list.txt", list);
  const std::string pad = std::string(LUMOSCOPE_CLI_PATH) + " pad " + path;
  ASSERT_EQ(std::system(("(" + pad + " & " + pad + " & wait) >/dev/null 2>&1").c_str()), 0);
  EXPECT_EQ(ReadFile(path), ReadFile(one));
}

TEST(Edges, ListLockWaitsForTheOtherProgramThenRefuses) {
  TempDir dir;
  const std::string path = dir.Write("list.txt", "list");
  const int other = open(path.c_str(), O_RDONLY);
  ASSERT_EQ(flock(other, LOCK_EX), 0);
  RecordingReporter reporter;
  int64_t slept = 0;
  ListLock waiting(path);
  EXPECT_FALSE(waiting.Acquire(reporter, [&](int64_t ms) { slept += ms; }));
  EXPECT_EQ(slept, kListLockWaitMs);
  EXPECT_EQ(reporter.boxes, std::vector<std::string>{Format(kListInUseMessage, path.c_str())});
  // The other program finishes after three seconds.
  slept = 0;
  ListLock patient(path);
  EXPECT_TRUE(patient.Acquire(reporter, [&](int64_t ms) {
    if ((slept += ms) == 3000) close(other);
  }));
  EXPECT_TRUE(patient.Held());
  EXPECT_EQ(slept, 3000);
}

// --- The window ----------------------------------------------------------------------

class WindowEdges : public ::testing::Test {
 protected:
  WindowEdges() {
    view.SetDocument(&doc);
    doc.SetView(&view);
  }
  TempDir dir;
  RecordingReporter reporter;
  AppOptions options;
  MemorySettingsStore store;
  test::FakeFileChooser chooser;
  NullListControl control;
  CLumoscopeListView view{control, reporter};
  CLumoscopeDoc doc{reporter, options, store, chooser, dir.File("VXRupload.txt")};
};

TEST_F(WindowEdges, BakHoldsTheListAsItWasBeforeTheDocumentFirstWroteIt) {
  const std::string original = ListNeedingResave(listgen::SmallList());
  const std::string path = dir.Write("list.txt", original);
  ASSERT_TRUE(doc.OpenFile(path));
  EXPECT_NE(ReadFile(path), original);  // re-saved at once
  EXPECT_TRUE(doc.SaveList());
  EXPECT_EQ(ReadFile(dir.File("list.bak")), original);

  // A list nobody may write is only looked at: no re-save and no message.
  const std::string readOnly = dir.Write("readonly.txt", original);
  ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
  ASSERT_TRUE(doc.OpenFile(readOnly));
  EXPECT_EQ(ReadFile(readOnly), original);
  EXPECT_FALSE(FileExists(dir.File("readonly.bak")));
  EXPECT_TRUE(reporter.boxes.empty());
}

TEST_F(WindowEdges, CommentBlockAtTheTopIsKeptThroughOpenEditAndSave) {
  const std::string block = "# Customer Mueller, dish 80cm\r\n\t# LNB changed 2024\r\n";
  const std::string original = block + " \r\n" + ListNeedingResave(listgen::SmallList());
  const std::string path = dir.Write("list.txt", original);
  // Written first, as it stands, without the blank lines after it; then the list as always.
  const std::string head = block + "\r\n\r\n[SATELLITE_NAME_LIST]\r\n";
  ASSERT_TRUE(doc.OpenFile(path));  // re-saved at once: it keeps all the person wrote
  EXPECT_THAT(ReadFile(path), StartsWith(head));
  ASSERT_TRUE(view.PadToHundreds());
  ASSERT_TRUE(doc.SaveList());
  EXPECT_THAT(ReadFile(path), StartsWith(head));
  EXPECT_EQ(ReadFile(dir.File("list.bak")), original);
  ASSERT_EQ(RunCli("sort --by 4 " + path, dir).exitCode, 0);
  EXPECT_THAT(ReadFile(path), StartsWith(head));
}

TEST_F(WindowEdges, CommentAmongTheRecordsMakesTheOpenModifiedInsteadOfASave) {
  std::string original = ListNeedingResave(listgen::SmallList());
  const std::string header = "[DIGITAL CHANNEL]\r\n";
  original.insert(original.find(header) + header.size(), "# moved to the bouquet of the sports club\r\n");
  const std::string path = dir.Write("list.txt", original);
  const Untouched before(path);
  ASSERT_TRUE(doc.OpenFile(path));
  EXPECT_TRUE(before.StillHolds());
  EXPECT_TRUE(view.IsModified());
  ASSERT_TRUE(doc.SaveList());  // the person's own decision
  EXPECT_FALSE(view.IsModified());
  EXPECT_EQ(ReadFile(dir.File("list.bak")), original);
}

TEST_F(WindowEdges, OverwritingAnotherProgramsChangeIsAsked) {
  const std::string path = dir.Write("list.txt", listgen::SmallList());
  ASSERT_TRUE(doc.OpenFile(path));
  EXPECT_TRUE(doc.SaveList());  // nobody else wrote it: no question
  EXPECT_TRUE(reporter.questions.empty());

  const std::string theirs = listgen::GenerateList(listgen::ListShape{.seed = 9});
  const std::string question = Format(kChangedOnDiskQuestion, path.c_str());
  struct Case {
    std::function<bool()> command;
    Answer answer;
    bool overwritten;
  };
  const auto save = [this] { return doc.SaveList(); };
  const Case cases[] = {{[this] { return doc.BasicCompile(); }, Answer::No, false},
                        {[this] { return doc.PreinstalledOneList(); }, Answer::No, false},
                        {save, Answer::No, false},
                        {save, Answer::Yes, true}};
  for (const Case& c : cases) {
    reporter.Clear();
    reporter.answers.push_back(c.answer);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << theirs;
    EXPECT_EQ(c.command(), c.overwritten);
    ASSERT_EQ(reporter.questions.size(), 1u);
    EXPECT_EQ(reporter.questions[0].text, question);
    EXPECT_EQ(ReadFile(path) != theirs, c.overwritten);
    EXPECT_EQ(FileExists(dir.File("list.hex")), false);
  }
}

// --- Download -------------------------------------------------------------------------

TEST(Edges, DownloadGivesUpOnASilentReceiverWithin35Seconds) {
  using test::BinPacket;
  const std::vector<BinPacket> packets = test::SplitIntoPackets(test::RandomBytes(100, 3), 0x100000, 4080);
  const auto message = [](const ControlMessage& m) { return std::string(m.begin(), m.end()); };
  // What the receiver says in a good download, in order, before its verdict.
  const std::vector<std::string> answers = {message(kDnOperReq) + message(kNxt), message(kAck),
                                            message(kAck) + message(kAck), message(kAck)};
  struct Case {
    size_t answered;  // answers given before the receiver falls silent
    const char* box;
    int64_t seconds;
  };
  const Case cases[] = {{1, "\nSTB doesn't ack.\n", 30},
                        {2, "\nSTB doesn't ack\n", 30},
                        {3, "Flash download is terminated abnormally\n", 35},
                        {4, "Flash download is terminated abnormally\n", 35}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answered);
    TempDir dir;
    RecordingReporter reporter;
    AppOptions options;
    test::FakeLinkFactory link;
    CListDB db(reporter, options);
    db.linkFactory = &link;
    for (size_t i = 0; i < c.answered; ++i) link.device.Arrive(0, answers[i]);
    EXPECT_FALSE(DownloadImage(db, dir.Write("image.bin", test::BuildBinImage(packets))));
    EXPECT_EQ(reporter.boxes.back(), c.box);
    EXPECT_EQ(link.clock.now, c.seconds * kSecondUs);
  }
}

}  // namespace
}  // namespace lumoscope
