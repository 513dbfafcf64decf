// Keeping lists in shape from the command line: order (channels in the order of a
// reference), lint (what a tidy-up would find), tidy (remove it) and diff (compare two
// lists, or a list with the receiver's). order and tidy edit like sort and pad: under the
// list's lock, written once, and not at all when nothing changes. lint and diff only read.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Options.h"
#include "base/ReplacingFile.h"
#include "base/WriteAll.h"
#include "cli/BatchList.h"
#include "cli/Commands.h"
#include "cli/ConsoleReporter.h"
#include "cli/LinkOptions.h"
#include "cli/ProgramOutput.h"
#include "database/ListDB.h"
#include "listview/ListDiff.h"
#include "listview/ListTidy.h"
#include "listview/OrderLike.h"
#include "listview/OtherList.h"
#include "listview/ReceiverComparison.h"
#include "transfer/PortSelection.h"
#include "transfer/PrivateFolder.h"

namespace lumoscope::cli {

namespace {

// lint and diff, as diff(1) does, keep 1 for their finding and say "trouble" with this.
constexpr int kExitTrouble = kExitUsage;

constexpr const char* kOutputIsTheList =
    "The receiver's list cannot be kept in %s: that is the list it is compared with. Choose another file.";

bool Print(const std::string& text, IReporter& reporter) {
  if (const int failed = WriteAll(STDOUT_FILENO, text); failed != 0) {
    reporter.MessageBox(Format(kOutputFailed, std::strerror(failed)));
    return false;
  }
  return true;
}

// An edit that is first worked out on a copy: when it would change nothing, its report
// is printed and the list is neither locked nor written. The edit gives its report, or
// nothing when it was refused (the person has been told why).
template <typename Preview, typename Edit>
int EditIfChanged(const std::string& path, const AppOptions& options, const Preview& changes,
                  const Edit& edit) {
  ConsoleReporter reporter;
  if (RefusedAsReadOnly(path, reporter)) return kExitFailure;
  const std::optional<std::vector<std::string>> fields = LoadOtherList(path, options, reporter);
  if (!fields) return kExitFailure;
  if (std::optional<std::string> unchanged = changes(*fields)) {
    reporter.ShowMessage(*unchanged);
    reporter.ShowMessage(Format(kListUnchangedMessage, path.c_str()));
    return kExitSuccess;
  }
  return EditList(path, options, [&](CLumoscopeListView& view) {
    const std::optional<std::string> report = edit(view);
    if (report) view.Reporter().ShowMessage(*report);
    return report.has_value();
  });
}

struct OrderArgs {
  std::string path;
  std::string reference;
  ListReading reading;
};

int Order(const OrderArgs& a) {
  ConsoleReporter reporter;
  const AppOptions options = a.reading.Options();
  const NameCodec names(options.nameEncoding);
  const std::optional<OrderReference> reference = ReadOrderReference(a.reference, options, reporter);
  if (!reference) return kExitFailure;
  return EditIfChanged(
      a.path, options,
      [&](std::vector<std::string> fields) -> std::optional<std::string> {
        const OrderLikeReport report = OrderLike(fields, *reference, names);
        if (report.changed) return std::nullopt;
        return OrderReportText(report);
      },
      [&](CLumoscopeListView& view) -> std::optional<std::string> {
        const OrderLikeReport report = OrderLike(view, *reference);
        if (report.refused) return std::nullopt;
        return OrderReportText(report);
      });
}

int Tidy(const TidyChoice& choice, const std::string& path, const ListReading& reading) {
  const AppOptions options = reading.Options();
  const NameCodec names(options.nameEncoding);
  return EditIfChanged(
      path, options,
      [&](const std::vector<std::string>& fields) -> std::optional<std::string> {
        const TidyPlan plan = PlanTidy(fields, choice, names);
        if (!plan.Empty()) return std::nullopt;
        return TidyReportText(plan);
      },
      [&](CLumoscopeListView& view) -> std::optional<std::string> {
        const TidyPlan plan = PlanTidy(view.Fields(), choice, names);
        if (!TidyUp(view, plan)) return std::nullopt;
        return TidyReportText(plan);
      });
}

int Lint(const std::string& path, const ListReading& reading) {
  ConsoleReporter reporter;
  const AppOptions options = reading.Options();
  const std::optional<std::vector<std::string>> fields = LoadOtherList(path, options, reporter);
  if (!fields) return kExitTrouble;
  const ListFindings findings = FindListProblems(*fields, NameCodec(options.nameEncoding));
  if (!Print(FindingsText(findings), reporter)) return kExitTrouble;
  return findings.Clean() ? kExitSuccess : kExitFailure;
}

struct DiffArgs {
  std::string first;
  std::string second;
  std::string format = "text";
  ListReading reading;
  bool receiver = false;
  LinkArgs link;
  std::string output;  // where the receiver's list is kept; empty: not kept
};

int Report(const ListDifferences& differences, const DiffArgs& a, const std::string& secondName,
           IReporter& reporter) {
  const std::string text =
      a.format == "json" ? DifferencesJson(differences, a.first, secondName) : DifferencesText(differences);
  if (!Print(text, reporter)) return kExitTrouble;
  return differences.Equal() ? kExitSuccess : kExitFailure;
}

// The list against the receiver's: uploaded into the private folder (or -o FILE), read and
// compared; the uploaded list is kept only in FILE.
int DiffWithReceiver(const DiffArgs& a) {
  // The upload's steps go to stderr: the standard output carries the comparison.
  ConsoleReporter reporter(Answer::No, stderr);
  if (!a.output.empty() && SameFile(a.output, a.first)) {
    reporter.MessageBox(Format(kOutputIsTheList, a.output.c_str()));
    return kExitTrouble;
  }
  Link link;
  link.options = a.reading.Options();
  SetUpLink(a.link, link);
  const std::optional<std::vector<std::string>> first = LoadOtherList(a.first, link.options, reporter);
  if (!first) return kExitTrouble;
  CListDB db(reporter, link.options);
  db.linkFactory = &link.factory;
  const std::string folder = UploadFolderPath();
  const std::string target = a.output.empty() ? folder + "/" + kReceiverListFileName : a.output;
  const std::optional<ListDifferences> differences = CompareWithReceiver(db, *first, target, folder);
  reporter.SetProgress(0, kProgressRemove);
  if (a.output.empty()) std::remove(target.c_str());
  if (!differences) return kExitTrouble;
  return Report(*differences, a, "receiver on " + PortDevicePath(link.options).value_or("?"), reporter);
}

int Diff(const DiffArgs& a) {
  if (a.receiver) return DiffWithReceiver(a);
  ConsoleReporter reporter;
  const AppOptions options = a.reading.Options();
  const std::optional<std::vector<std::string>> first = LoadOtherList(a.first, options, reporter);
  const std::optional<std::vector<std::string>> second =
      first ? LoadOtherList(a.second, options, reporter) : std::nullopt;
  if (!second) return kExitTrouble;
  return Report(CompareLists(*first, *second, NameCodec(options.nameEncoding)), a, a.second, reporter);
}

}  // namespace

void AddUpkeepCommands(CLI::App& app, int& exitCode) {
  auto order = std::make_shared<OrderArgs>();
  CLI::App* orderCommand = app.add_subcommand(
      "order",
      "Put the channels in the order of a reference; the others follow in their order, null channels keep "
      "their places, the channels are renumbered");
  orderCommand
      ->add_option("--like", order->reference,
                   "The reference: a channel list (a file with the list's section headers, such as "
                   "[DIGITAL CHANNEL]), matched by satellite and service ID or PIDs, else by name; or a text "
                   "file of channel names, one per line (case and blanks ignored)")
      ->required();
  AddListReadingOptions(*orderCommand, order->reading);
  orderCommand->add_option("LIST", order->path, "The list's text file")->required();
  orderCommand->callback([order, &exitCode] { exitCode = Order(*order); });

  CLI::App* lint = app.add_subcommand(
      "lint",
      "Report duplicate channels, transponders no channel uses, channels of one transponder with the same "
      "name "
      "and null channels; exit 0 when there are none, 1 when there are, 2 when the list cannot be read");
  auto lintPath = std::make_shared<std::string>();
  auto lintReading = std::make_shared<ListReading>();
  AddListReadingOptions(*lint, *lintReading);
  lint->add_option("LIST", *lintPath, "The list's text file")->required();
  lint->callback([lintPath, lintReading, &exitCode] { exitCode = Lint(*lintPath, *lintReading); });

  auto tidy = std::make_shared<TidyChoice>();
  auto tidyPath = std::make_shared<std::string>();
  CLI::App* tidyCommand = app.add_subcommand(
      "tidy", "Remove what lint finds: say which of duplicates, unused transponders and null channels");
  tidyCommand->add_flag(
      "--duplicates", tidy->duplicates,
      "Channels the list has twice (everything of theirs that reaches the receiver's image the same); the "
      "first one stays");
  tidyCommand->add_flag("--unused-transponders", tidy->unusedTransponders,
                        "Transponders no channel uses (once the other removals are done)");
  tidyCommand->add_flag("--null-channels", tidy->nullChannels,
                        "Null channels: places kept in the numbering; the channels after them move up");
  auto tidyReading = std::make_shared<ListReading>();
  AddListReadingOptions(*tidyCommand, *tidyReading);
  tidyCommand->add_option("LIST", *tidyPath, "The list's text file")->required();
  tidyCommand->callback([tidy, tidyPath, tidyReading, &exitCode] {
    if (!tidy->Any()) throw CLI::RequiredError("--duplicates, --unused-transponders or --null-channels");
    exitCode = Tidy(*tidy, *tidyPath, *tidyReading);
  });

  auto diff = std::make_shared<DiffArgs>();
  CLI::App* diffCommand = app.add_subcommand(
      "diff",
      "Compare two lists by what reaches the receiver's image: channels added, removed, renamed, moved "
      "(number "
      "changed), retuned (the same service and name on another transponder, or another symbol rate; analog: "
      "another frequency, band or carrier) and changed (any other field, named with both values), and "
      "satellites, satellite names and unused transponders; with --receiver, a list against the list the "
      "receiver holds; exit 0 when equal, 1 when they differ, 2 on usage errors, a list that cannot be read "
      "or a receiver that cannot be read");
  diffCommand->add_option("--format", diff->format, "text or json")->check(CLI::IsMember({"text", "json"}));
  AddListReadingOptions(*diffCommand, diff->reading);
  CLI::Option* receiver = diffCommand->add_flag(
      "--receiver", diff->receiver,
      "Compare A with the list the receiver holds, uploaded through its console (the receiver's display "
      "must show \"___1\")");
  const LinkOptionSet link = AddLinkOptions(*diffCommand, diff->link);
  CLI::Option* output = diffCommand->add_option(
      "-o,--output", diff->output,
      "Keep the receiver's list in this file (replaced whole); without it, it is not kept");
  for (CLI::Option* option : {link.device, link.port, link.trace, output}) option->needs(receiver);
  diffCommand->add_option("A", diff->first, "The first list's text file")->required();
  CLI::Option* second = diffCommand->add_option("B", diff->second, "The second list's text file");
  second->excludes(receiver);
  diffCommand->callback([diff, &exitCode] {
    if (!diff->receiver && diff->second.empty()) throw CLI::RequiredError("B (or --receiver)");
    exitCode = Diff(*diff);
  });
}

}  // namespace lumoscope::cli
