#include "ui/ListUpkeep.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <array>
#include <filesystem>

#include "listview/ListDiff.h"
#include "listview/ListTidy.h"
#include "listview/OrderLike.h"
#include "listview/OtherList.h"
#include "shell/DocumentCommands.h"
#include "shell/LumoscopeDoc.h"
#include "ui/CompareDialog.h"
#include "ui/TidyDialog.h"

namespace lumoscope::ui {
namespace {

constexpr std::array<CommandGroup::Item, 4> kUpkeepItems{{
    {upkeepcmd::kOrderLike, "Order &Like...",
     "Put the channels in the order of another list or of a file of channel names"},
    {upkeepcmd::kTidyUp, "&Tidy Up...", "Remove duplicates, transponders no channel uses or null channels"},
    {upkeepcmd::kCompareWith, "&Compare With...",
     "Show the channels added, removed, renamed, moved and retuned in another list"},
    {upkeepcmd::kCompareWithReceiver, "Compare With &Receiver...",
     "Upload the receiver's list and show what differs from the list as shown"},
}};

constexpr const char* kOrderLikeTitle = "Order Like a Reference";
constexpr const char* kReferenceFilter =
    "VXR Formatted Text File(*.TXT)|*.txt|Channel Names, One per Line(*.*)|*|";
constexpr const char* kCompareTitle = "Compare With";
constexpr const char* kTidyCaption = "Tidy Up";
constexpr const char* kReceiverName = "the receiver";
constexpr const char* kOpenReceiverList = "&Open the Receiver's List";

}  // namespace

std::string WithUploadPrompt(const char* question) {
  const CommandInfo* upload = FindCommand(cmd::kUpload);
  return Format(question, upload != nullptr ? std::string(upload->prompt).c_str() : "");
}

ListUpkeep::ListUpkeep(CMainFrame& frame, CLumoscopeListView& view)
    : CommandGroup(frame, kUpkeepItems), view_(view) {
  frame_.Document().SetDownloadListener([this] { OfferReceiverComparison(); });
}

bool ListUpkeep::IsEnabled(int /*id*/) const {
  return view_.IsLoaded();
}

void ListUpkeep::Execute(int id) {
  switch (id) {
    case upkeepcmd::kOrderLike:
      return OrderLike();
    case upkeepcmd::kTidyUp:
      return TidyUp();
    case upkeepcmd::kCompareWith:
      return CompareWith();
    case upkeepcmd::kCompareWithReceiver:
      return CompareWithReceiver();
    default:
      return;
  }
}

void ListUpkeep::AddMenus(QMenuBar& bar) {
  for (QAction* a : bar.actions()) {
    if (a->text() != QStringLiteral("&Edit")) continue;
    a->menu()->addSeparator();
    for (const CommandGroup::Item& item : kUpkeepItems) a->menu()->addAction(frame_.CommandAction(item.id));
  }
}

std::string ListUpkeep::ListFolder() const {
  return std::filesystem::path(frame_.Document().CurrentPath()).parent_path().string();
}

void ListUpkeep::OrderLike() {
  const std::optional<std::string> path =
      frame_.Chooser().ChooseOpenFile(kOrderLikeTitle, kReferenceFilter, ListFolder());
  if (!path) return;
  const std::optional<OrderReference> reference =
      ReadOrderReference(*path, frame_.Options(), frame_.Reporter());
  if (!reference) return;
  const OrderLikeReport report = lumoscope::OrderLike(view_, *reference);
  if (!report.refused) frame_.Reporter().ShowMessage(OrderReportText(report));
}

void ListUpkeep::TidyUp() {
  const ListFindings findings = FindListProblems(view_.Fields(), view_.Names());
  if (!findings.Removable()) {
    frame_.Reporter().MessageBox(FindingsText(findings), kTidyCaption);
    return;
  }
  TidyDialog dialog(view_.Fields(), findings, view_.Names(), &frame_);
  if (dialog.exec() != QDialog::Accepted) return;
  const TidyPlan plan = dialog.Plan();
  if (lumoscope::TidyUp(view_, plan)) frame_.Reporter().ShowMessage(TidyReportText(plan));
}

void ListUpkeep::CompareWith() {
  const std::optional<std::string> path =
      frame_.Chooser().ChooseOpenFile(kCompareTitle, kTextFileFilter, ListFolder());
  if (!path) return;
  const std::optional<std::vector<std::string>> other =
      LoadOtherList(*path, frame_.Options(), frame_.Reporter());
  if (!other) return;
  CompareDialog dialog(CompareLists(view_.Fields(), *other, view_.Names()),
                       QFileInfo(QString::fromStdString(*path)).fileName(), &frame_);
  dialog.exec();
}

void ListUpkeep::CompareWithReceiver() {
  if (frame_.Reporter().AskYesNo(WithUploadPrompt(kReceiverReadyQuestion), kReceiverCaption) == Answer::Yes)
    ShowReceiverComparison();
}

void ListUpkeep::OfferReceiverComparison() {
  if (frame_.Reporter().AskYesNo(WithUploadPrompt(kAfterDownloadQuestion), kReceiverCaption) == Answer::Yes)
    ShowReceiverComparison();
}

void ListUpkeep::ShowReceiverComparison() {
  const std::optional<ListDifferences> differences = frame_.Document().CompareWithReceiver();
  if (!differences) return;
  CompareDialog dialog(*differences, QString::fromLatin1(kReceiverName), &frame_);
  dialog.AddAction(QString::fromLatin1(kOpenReceiverList));
  if (dialog.exec() == CompareDialog::kActionChosen) frame_.Document().OpenReceiverList();
}

}  // namespace lumoscope::ui
