// The document's commands, driven with a scripted person, file chooser and list view.
// Paths under a folder that does not exist make every write fail the same way whatever
// the database's writers do, so the failure paths are tested without real images.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "listview/ListView.h"
#include "shell/DocumentCommands.h"
#include "shell/LumoscopeDoc.h"
#include "shell/SettingsKeys.h"
#include "tests/support/FakeDocumentView.h"
#include "tests/support/FakeFileChooser.h"
#include "tests/support/FakeLink.h"
#include "tests/support/FakeListControl.h"
#include "tests/support/RecordingReporter.h"
#include "tests/support/TempDir.h"
#include "tools/listgen/ListGenerator.h"
#include "transfer/Download.h"
#include "transfer/SectionListParser.h"

namespace lumoscope {
namespace {

using test::FakeDocumentView;
using test::FakeFileChooser;
using test::RecordingReporter;
using test::TempDir;

constexpr const char* kMissingFolder = "/nonexistent-lumoscope-folder";

AppOptions UnreachablePorts() {
  AppOptions o;
  for (auto& p : o.devicePaths) p = std::string(kMissingFolder) + "/tty";
  return o;
}

class DocumentCommandsTest : public ::testing::Test {
 protected:
  DocumentCommandsTest() { doc.SetView(&view); }

  bool OpenList(const std::string& path) {
    chooser.answers.push_back(path);
    return doc.Open();
  }
  bool HasBox(const std::string& text) const {
    return std::find(reporter.boxes.begin(), reporter.boxes.end(), text) != reporter.boxes.end();
  }

  TempDir dir;
  RecordingReporter reporter;
  AppOptions options = UnreachablePorts();
  MemorySettingsStore store;
  FakeFileChooser chooser;
  FakeDocumentView view;
  CLumoscopeDoc doc{reporter, options, store, chooser, dir.File("VXRupload.txt")};
};

TEST_F(DocumentCommandsTest, OnlyOpenDownloadOthersAndUploadAreEnabledAtStart) {
  for (const CommandInfo& c : DocumentCommandTable()) {
    const bool always = c.id == cmd::kOpen || c.id == cmd::kDownloadOthers || c.id == cmd::kUpload;
    EXPECT_EQ(doc.IsEnabled(c.id), always) << c.id;
  }
  EXPECT_FALSE(doc.IsLoaded());
  EXPECT_EQ(doc.Database(), nullptr);
  // Frame and view commands are not the document's.
  EXPECT_FALSE(doc.HandlesCommand(cmd::kSettingOption));
  EXPECT_FALSE(doc.Execute(32821));
  // A disabled command of the document is taken but does nothing.
  EXPECT_TRUE(doc.Execute(cmd::kSaveAs));
  EXPECT_TRUE(chooser.requests.empty());
}

TEST_F(DocumentCommandsTest, CommandTableKeepsThePromptsWhole) {
  EXPECT_EQ(FindCommand(cmd::kDownloadCurrentList)->prompt,
            "Download Current Channellist [PC=>Settop]**MUST POWER OFF AND TURN ON ");
  EXPECT_EQ(FindCommand(cmd::kDownloadOthers)->prompt,
            "Download Program or  compiled channel list file or Hex file [PC=>Settop]");
  EXPECT_EQ(FindCommand(cmd::kOpen)->toolTip, "Open");
  EXPECT_TRUE(FindCommand(cmd::kCompileNormal)->toolTip.empty());
  EXPECT_EQ(FindCommand(12345), nullptr);
}

TEST_F(DocumentCommandsTest, OpenReplacesTheListAndRemembersTheFolder) {
  const std::string first = dir.File("first.txt");
  const std::string second = dir.File("second.txt");
  ASSERT_TRUE(OpenList(first));
  EXPECT_TRUE(doc.IsLoaded());
  EXPECT_EQ(doc.CurrentPath(), first);
  EXPECT_EQ(doc.PreviousPath(), "");
  ASSERT_NE(doc.Database(), nullptr);
  EXPECT_EQ(doc.Database()->FilePath(), first);
  EXPECT_EQ(view.calls, (std::vector<std::string>{"reload", "stored", "reset-undo"}));
  EXPECT_EQ(store.GetString(settings::kListSection, settings::kRecentFolderKey, "ERROR"),
            dir.Path().string());
  for (const CommandInfo& c : DocumentCommandTable()) EXPECT_TRUE(doc.IsEnabled(c.id)) << c.id;

  ASSERT_TRUE(OpenList(second));
  EXPECT_EQ(doc.PreviousPath(), first);
  EXPECT_EQ(doc.Database()->FilePath(), second);

  ASSERT_EQ(chooser.requests.size(), 2u);
  EXPECT_FALSE(chooser.requests[0].save);
  EXPECT_EQ(chooser.requests[0].title, kOpenTitle);
  EXPECT_EQ(chooser.requests[0].filter, kTextFileFilter);
  EXPECT_EQ(chooser.requests[0].initialFolder, "");  // "ERROR": nothing kept yet
  EXPECT_EQ(chooser.requests[1].initialFolder, dir.Path().string());
}

TEST_F(DocumentCommandsTest, CancelledOpenChangesNothing) {
  ASSERT_TRUE(OpenList(dir.File("a.txt")));
  CListDB* before = doc.Database();
  view.calls.clear();
  EXPECT_FALSE(doc.Open());  // nothing queued: the dialog is cancelled
  EXPECT_EQ(doc.Database(), before);
  EXPECT_EQ(doc.CurrentPath(), dir.File("a.txt"));
  EXPECT_TRUE(view.calls.empty());
}

TEST_F(DocumentCommandsTest, OpenWhileTheUploadedListIsOpenAsksFirst) {
  // The comparison ignores letter case: both spellings name the upload file.
  std::string upper = doc.UploadPath();
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
  ASSERT_TRUE(OpenList(upper));

  reporter.answers = {Answer::Cancel};
  EXPECT_FALSE(doc.Open());
  ASSERT_EQ(reporter.questions.size(), 1u);
  EXPECT_EQ(reporter.questions[0].text, "Want to Save upload file as ?");
  EXPECT_EQ(reporter.questions[0].caption, "Save As");
  EXPECT_TRUE(reporter.questions[0].withCancel);
  EXPECT_EQ(chooser.requests.size(), 1u);  // no dialog after Cancel
  EXPECT_EQ(doc.CurrentPath(), upper);

  // Yes offers Save As, then the open dialog follows.
  reporter.answers = {Answer::Yes};
  EXPECT_FALSE(doc.Open());
  ASSERT_EQ(chooser.requests.size(), 3u);
  EXPECT_TRUE(chooser.requests[1].save);
  EXPECT_EQ(chooser.requests[1].title, kSaveAsTitle);
  EXPECT_FALSE(chooser.requests[2].save);
}

TEST_F(DocumentCommandsTest, RefusedOpenKeepsTheListBeingEdited) {
  test::FakeListControl control;
  CLumoscopeListView list(control, reporter);
  list.SetDocument(&doc);
  doc.SetView(&list);
  const std::string refused = dir.Write("refused.txt", "not a channel list\n");
  EXPECT_FALSE(OpenList(refused));  // nothing was open: nothing is
  EXPECT_FALSE(doc.IsLoaded());
  EXPECT_EQ(doc.Database(), nullptr);

  const std::string original = listgen::SmallList();
  const std::string good = dir.Write("good.txt", original);
  ASSERT_TRUE(OpenList(good));
  const auto deleteFirstRow = [&] {
    control.Select({0});
    ASSERT_TRUE(list.OnKeyDown(ViewKey::Delete));
  };
  deleteFirstRow();
  ASSERT_TRUE(doc.SaveList());  // keeps the original as ".bak"
  deleteFirstRow();
  const std::vector<std::string> edited = list.Fields();
  CListDB* db = doc.Database();

  reporter.Clear();
  reporter.answers = {Answer::No};  // the edit is not saved before the open
  EXPECT_FALSE(OpenList(refused));
  EXPECT_EQ(doc.Database(), db);
  EXPECT_EQ(doc.CurrentPath(), good);
  EXPECT_EQ(doc.PreviousPath(), "");
  EXPECT_TRUE(doc.IsLoaded());
  EXPECT_EQ(list.Fields(), edited);
  EXPECT_EQ(list.UndoCount(), 2);
  EXPECT_TRUE(list.IsModified());

  // The save asks nothing about another program and leaves the ".bak" alone.
  reporter.Clear();
  ASSERT_TRUE(doc.SaveList());
  EXPECT_TRUE(reporter.questions.empty());
  EXPECT_EQ(test::ReadFile(dir.File("good.bak")), original);
  ASSERT_TRUE(doc.OpenFile(good));
  EXPECT_EQ(list.Fields(), edited);
}

TEST_F(DocumentCommandsTest, ListThatDoesNotReadBackAfterUploadOrSaveAsStays) {
  const std::string path = dir.File("a.txt");
  ASSERT_TRUE(OpenList(path));
  CListDB* db = doc.Database();
  view.reloads = false;
  view.calls.clear();

  // The receiver's list arrives but is refused: the open list stays, no Save As follows.
  test::FakeLinkFactory link;
  link.device.Arrive(0, ">");
  link.device.Arrive(1'000'000, "dumpch\r\nCH_DUMP||[SATELLITE_NAME_LIST]\r\nCH_DUMP||[END]\r\nSTB>");
  doc.SetLinkFactory(&link);
  EXPECT_FALSE(doc.Upload());
  ASSERT_TRUE(test::FileExists(doc.UploadPath()));
  EXPECT_EQ(doc.Database(), db);
  EXPECT_EQ(doc.CurrentPath(), path);
  EXPECT_EQ(view.calls, std::vector<std::string>{"reload"});
  EXPECT_EQ(chooser.requests.size(), 1u);

  // Save As wrote the list as shown: it stays, saved, with its undo steps.
  view.calls.clear();
  view.modified = true;
  chooser.answers.push_back(dir.File("b.txt"));
  EXPECT_TRUE(doc.SaveAs());
  EXPECT_EQ(view.calls, (std::vector<std::string>{"reload", "stored", "saved"}));
  EXPECT_FALSE(view.modified);
  EXPECT_EQ(doc.CurrentPath(), dir.File("b.txt"));
}

TEST_F(DocumentCommandsTest, ModifiedListIsOfferedForSavingBeforeOpen) {
  ASSERT_TRUE(OpenList(std::string(kMissingFolder) + "/list.txt"));
  view.modified = true;
  const size_t dialogs = chooser.requests.size();

  reporter.answers = {Answer::Cancel};
  EXPECT_FALSE(doc.Open());
  ASSERT_EQ(reporter.questions.size(), 1u);
  EXPECT_EQ(reporter.questions[0].text, "Saveing  Modified Data!!!");
  EXPECT_EQ(reporter.questions[0].caption, "Saving");
  EXPECT_TRUE(reporter.questions[0].withCancel);
  EXPECT_EQ(chooser.requests.size(), dialogs);
  EXPECT_TRUE(view.modified);

  // Yes, but the list cannot be written: nothing is replaced.
  reporter.answers = {Answer::Yes};
  EXPECT_FALSE(doc.Open());
  EXPECT_TRUE(HasBox(kSavingFailed));
  EXPECT_EQ(chooser.requests.size(), dialogs);

  // No goes on to the open dialog.
  reporter.answers = {Answer::No};
  EXPECT_TRUE(OpenList(dir.File("other.txt")));
  EXPECT_EQ(doc.CurrentPath(), dir.File("other.txt"));
}

TEST_F(DocumentCommandsTest, UnmodifiedListIsReplacedWithoutQuestion) {
  ASSERT_TRUE(OpenList(dir.File("a.txt")));
  ASSERT_TRUE(OpenList(dir.File("b.txt")));
  EXPECT_TRUE(reporter.questions.empty());
}

TEST_F(DocumentCommandsTest, ClosingAsksOnlyForAModifiedList) {
  EXPECT_TRUE(doc.CanClose());  // nothing open
  ASSERT_TRUE(OpenList(dir.File("a.txt")));
  EXPECT_TRUE(doc.CanClose());
  EXPECT_TRUE(reporter.questions.empty());

  view.modified = true;
  reporter.answers = {Answer::Cancel, Answer::No};
  EXPECT_FALSE(doc.CanClose());
  EXPECT_TRUE(doc.CanClose());
  EXPECT_EQ(reporter.questions.size(), 2u);
}

TEST_F(DocumentCommandsTest, UploadOverAModifiedListCanBeCancelled) {
  ASSERT_TRUE(OpenList(dir.File("a.txt")));
  view.modified = true;
  reporter.answers = {Answer::Cancel};
  EXPECT_FALSE(doc.Upload());
  EXPECT_EQ(reporter.questions.size(), 1u);
  EXPECT_TRUE(reporter.progress.empty());  // the receiver was never contacted
  EXPECT_EQ(doc.CurrentPath(), dir.File("a.txt"));
  EXPECT_EQ(doc.Database()->FilePath(), dir.File("a.txt"));
}

TEST_F(DocumentCommandsTest, FailedUploadLeavesNoDatabaseBehind) {
  EXPECT_FALSE(doc.Upload());
  EXPECT_EQ(doc.Database(), nullptr);
  EXPECT_FALSE(doc.IsLoaded());
  EXPECT_EQ(reporter.waitDepth, 0);
  ASSERT_FALSE(reporter.progress.empty());
  EXPECT_EQ(reporter.progress.back().second, kProgressRemove);

  // With a list open, a failed upload keeps that list as it was.
  ASSERT_TRUE(OpenList(dir.File("a.txt")));
  EXPECT_FALSE(doc.Upload());
  ASSERT_NE(doc.Database(), nullptr);
  EXPECT_EQ(doc.Database()->FilePath(), dir.File("a.txt"));
  EXPECT_EQ(doc.CurrentPath(), dir.File("a.txt"));
}

TEST_F(DocumentCommandsTest, SaveAsRefusesAnyExtensionButTxt) {
  ASSERT_TRUE(OpenList(dir.File("a.txt")));
  for (const char* name : {"b.text", "b", "b.txt.bak"}) {
    reporter.Clear();
    chooser.answers.push_back(dir.File(name));
    EXPECT_FALSE(doc.SaveAs()) << name;
    EXPECT_EQ(reporter.boxes, std::vector<std::string>{"Extention Name must be 'txt' "}) << name;
    EXPECT_EQ(doc.Database()->FilePath(), dir.File("a.txt"));
  }
  EXPECT_EQ(chooser.requests.back().title, kSaveAsTitle);
  EXPECT_EQ(chooser.requests.back().initialFolder, dir.Path().string());

  // Upper case is accepted; here the write fails, and the database keeps the new name
  // so the next Save goes there, while the document's path stays.
  reporter.Clear();
  const std::string target = std::string(kMissingFolder) + "/b.TXT";
  chooser.answers.push_back(target);
  EXPECT_FALSE(doc.SaveAs());
  ASSERT_FALSE(reporter.boxes.empty());
  EXPECT_EQ(reporter.boxes.back(), "ERROR!!! Saving not Complete");
  EXPECT_EQ(doc.Database()->FilePath(), target);
  EXPECT_EQ(doc.CurrentPath(), dir.File("a.txt"));
}

TEST_F(DocumentCommandsTest, SaveTellsTheChangesStoredBeforeWriting) {
  ASSERT_TRUE(OpenList(std::string(kMissingFolder) + "/a.txt"));
  view.calls.clear();
  EXPECT_FALSE(doc.SaveList());
  EXPECT_EQ(view.calls, std::vector<std::string>{"stored"});
  ASSERT_FALSE(reporter.boxes.empty());
  EXPECT_EQ(reporter.boxes.back(), "ERROR!!! Saving not Complete");
}

TEST_F(DocumentCommandsTest, NothingIsDownloadedAfterAFailedCompile) {
  ASSERT_TRUE(OpenList(std::string(kMissingFolder) + "/a.txt"));
  EXPECT_FALSE(doc.DownloadCurrentList());
  EXPECT_FALSE(doc.IsCompiled());
  EXPECT_FALSE(HasBox(kDownloadFailed));
  EXPECT_TRUE(reporter.progress.empty());
  EXPECT_EQ(reporter.hideCount, 0);
  EXPECT_EQ(reporter.waitDepth, 0);
}

TEST_F(DocumentCommandsTest, DownloadOthersConvertsAHexImageFirst) {
  store.SetString(settings::kListSection, settings::kRecentFolderKey, dir.Path().string());
  EXPECT_FALSE(doc.DownloadOthers());  // cancelled
  ASSERT_EQ(chooser.requests.size(), 1u);
  EXPECT_EQ(chooser.requests[0].title, kDownloadTitle);
  EXPECT_EQ(chooser.requests[0].filter, kDownloadFilter);
  EXPECT_EQ(chooser.requests[0].initialFolder, dir.Path().string());
  EXPECT_TRUE(reporter.boxes.empty());

  // A hex image that cannot be converted is never sent.
  chooser.answers.push_back(std::string(kMissingFolder) + "/image.HEX");
  EXPECT_FALSE(doc.DownloadOthers());
  EXPECT_EQ(reporter.boxes, std::vector<std::string>{"Making a BIN file is failed!"});
  EXPECT_TRUE(reporter.progress.empty());
  EXPECT_EQ(reporter.waitDepth, 0);
  EXPECT_EQ(doc.Database(), nullptr);
}

TEST_F(DocumentCommandsTest, UpperCaseHexImageLeavesNoScratchCopyBehind) {
  const std::string chosen = dir.Write("image.HEX", "not a hex image\n");
  chooser.answers.push_back(chosen);
  EXPECT_FALSE(doc.DownloadOthers());
  ASSERT_FALSE(reporter.boxes.empty());
  EXPECT_EQ(reporter.boxes.back(), "Making a BIN file is failed!");
  EXPECT_FALSE(test::FileExists(dir.File("image.hex")));
  EXPECT_TRUE(test::FileExists(chosen));

  // Another file already named in lower case is never overwritten.
  dir.Write("image.hex", "other");
  chooser.answers.push_back(chosen);
  EXPECT_FALSE(doc.DownloadOthers());
  EXPECT_EQ(test::ReadFile(dir.File("image.hex")), "other");
}

TEST_F(DocumentCommandsTest, DownloadOthersEndsTheProgressAndKeepsTheStepsOfAFailure) {
  chooser.answers.push_back(std::string(kMissingFolder) + "/image.bin");
  doc.DownloadOthers();
  ASSERT_FALSE(reporter.progress.empty());
  EXPECT_EQ(reporter.progress.back().second, kProgressRemove);
  EXPECT_EQ(reporter.hideCount, 0);  // the message window keeps what happened
  EXPECT_EQ(reporter.waitDepth, 0);
}

TEST_F(DocumentCommandsTest, CancelledDownloadSaysSoOnceAndKeepsItsSteps) {
  const std::string list = dir.Write("list.txt", listgen::SmallList());
  test::FakeLinkFactory link;  // a receiver that never answers
  test::CancelAt cancel(link.clock, 1'000'000);
  link.cancel = &cancel;
  doc.SetLinkFactory(&link);
  ASSERT_TRUE(OpenList(list));
  bool resave = false;
  ASSERT_TRUE(ParseSectionList(listgen::SmallList(), reporter, view.fields, resave));  // what Save writes
  doc.Database()->RememberFileVersion();  // as the view's load does
  reporter.Clear();
  EXPECT_FALSE(doc.DownloadCurrentList());
  EXPECT_TRUE(HasBox(kDownloadCancelledMessage));
  EXPECT_FALSE(HasBox(kDownloadFailed));
  EXPECT_TRUE(doc.TransferCancelled());
  EXPECT_EQ(reporter.hideCount, 0);
  EXPECT_EQ(reporter.progress.back().second, kProgressRemove);
}

TEST_F(DocumentCommandsTest, RecentListsKeepTheLastEightOpenedNewestFirst) {
  std::vector<std::string> opened;
  for (int i = 0; i < 10; ++i) {
    opened.push_back(dir.Write("list" + std::to_string(i) + ".txt", ""));
    ASSERT_TRUE(OpenList(opened.back()));
  }
  ASSERT_TRUE(OpenList(opened[5]));  // again: to the front, not twice
  std::vector<std::string> expected{opened[5], opened[9], opened[8], opened[7],
                                    opened[6], opened[4], opened[3], opened[2]};
  EXPECT_EQ(doc.Recent().Paths(), expected);
  // Kept in the settings store: the next start finds them.
  EXPECT_EQ(RecentLists(store).Paths(), expected);

  std::filesystem::remove(opened[9]);
  std::filesystem::remove(opened[3]);
  EXPECT_EQ(doc.Recent().DropMissing(), (std::vector<std::string>{opened[9], opened[3]}));
  EXPECT_EQ(doc.Recent().Paths().size(), 6u);
  // The uploaded list's scratch file is never one of them; a list saved under a new name is.
  chooser.answers.push_back(dir.File("saved.txt"));
  ASSERT_TRUE(doc.SaveAs());
  EXPECT_EQ(doc.Recent().Paths().front(), dir.File("saved.txt"));
}

TEST_F(DocumentCommandsTest, OpeningAChosenPathAsksAboutTheModifiedListFirst) {
  ASSERT_TRUE(OpenList(dir.File("a.txt")));
  view.modified = true;
  reporter.answers = {Answer::Cancel};
  EXPECT_FALSE(doc.OpenPath(dir.File("b.txt")));
  EXPECT_EQ(reporter.questions.size(), 1u);
  EXPECT_EQ(doc.CurrentPath(), dir.File("a.txt"));
  reporter.answers = {Answer::No};
  EXPECT_TRUE(doc.OpenPath(dir.File("b.txt")));
  EXPECT_EQ(doc.CurrentPath(), dir.File("b.txt"));
  EXPECT_EQ(chooser.requests.size(), 1u);  // no file dialog for a chosen path
}

TEST_F(DocumentCommandsTest, TitleGoesToTheWindow) {
  std::string title;
  doc.SetTitleSink([&](const std::string& t) { title = t; });
  static_cast<IViewDocument&>(doc).SetWindowTitle("Lumoscope Lite : x");
  EXPECT_EQ(title, "Lumoscope Lite : x");
}

}  // namespace
}  // namespace lumoscope
