#include "listview/ListTidy.h"

#include <unordered_map>

#include "base/FieldConversions.h"
#include "base/NameText.h"
#include "base/Reporter.h"
#include "database/ListFill.h"
#include "editing/NewChannelHost.h"

namespace lumoscope {

namespace {

// The channels of a list, each with the channel it repeats (null when it is the first).
struct Analysis {
  ListChannels list;
  std::vector<const ChannelEntry*> duplicateOf;
};

Analysis Analyse(const std::vector<std::string>& fields, const NameCodec& names) {
  Analysis a{ReadChannels(fields, names), {}};
  a.duplicateOf.assign(a.list.channels.size(), nullptr);
  std::unordered_map<std::string, const ChannelEntry*> first;
  for (size_t i = 0; i < a.list.channels.size(); ++i) {
    const ChannelEntry& c = a.list.channels[i];
    if (c.null) continue;
    const auto [it, isFirst] = first.emplace(ImageKey(c), &c);
    if (!isFirst) a.duplicateOf[i] = it->second;
  }
  return a;
}

std::string DuplicateLine(const ChannelEntry& c, const ChannelEntry& original) {
  return Format("%s repeats %s %ld (%s)", ChannelLabel(c).c_str(), c.Digital() ? "channel" : "analog channel",
                original.number, ChannelPlace(c).c_str());
}

std::string TransponderLine(const TransponderEntry& tp) {
  return Format("transponder %s (%s %ld %s)", Trimmed(tp.index).c_str(), tp.satellite.c_str(), tp.frequency,
                tp.polarization.c_str());
}

// The transponders no digital channel refers to, leaving out the channels `gone` marks.
std::vector<const TransponderEntry*> UnusedTransponders(const ListChannels& list,
                                                        const std::vector<bool>& gone) {
  const std::vector<bool> used = TranspondersInUse(list, gone);
  std::vector<const TransponderEntry*> unused;
  for (size_t t = 0; t < list.transponders.size(); ++t)
    if (!used[t]) unused.push_back(&list.transponders[t]);
  return unused;
}

// Channels of one transponder with the same name, duplicates left out (they are
// reported as such).
std::vector<std::string> SameNameLines(const Analysis& a) {
  std::vector<std::vector<const ChannelEntry*>> groups;
  std::unordered_map<std::string, size_t> groupOf;
  for (size_t i = 0; i < a.list.channels.size(); ++i) {
    const ChannelEntry& c = a.list.channels[i];
    if (!c.Digital() || c.null || a.duplicateOf[i] != nullptr || NameKey(c.name).empty()) continue;
    const auto [it, added] = groupOf.emplace(TransponderKey(c) + NameKey(c.name), groups.size());
    if (added) groups.emplace_back();
    groups[it->second].push_back(&c);
  }
  std::vector<std::string> lines;
  for (const auto& group : groups) {
    if (group.size() < 2) continue;
    std::vector<long> numbers;
    for (const ChannelEntry* c : group) numbers.push_back(c->number);
    const ChannelEntry& c = *group.front();
    lines.push_back(Format("channels %s \"%s\" (%s %ld %s)", NumberRanges(numbers).c_str(), c.name.c_str(),
                           c.satellite.c_str(), c.frequency, c.polarization.c_str()));
  }
  return lines;
}

}  // namespace

ListFindings FindListProblems(const std::vector<std::string>& fields, const NameCodec& names) {
  const Analysis a = Analyse(fields, names);
  ListFindings findings;
  for (size_t i = 0; i < a.list.channels.size(); ++i) {
    const ChannelEntry& c = a.list.channels[i];
    if (a.duplicateOf[i] != nullptr) findings.duplicates.push_back(DuplicateLine(c, *a.duplicateOf[i]));
    if (c.null) (c.Digital() ? findings.nullChannels : findings.nullAnalogChannels).push_back(c.number);
  }
  for (const TransponderEntry* tp : UnusedTransponders(a.list, {}))
    findings.unusedTransponders.push_back(TransponderLine(*tp));
  findings.sameNames = SameNameLines(a);
  for (const FillFigure& figure : FillOfList(fields).Figures())
    if (!figure.Fits()) findings.overLimits.push_back(FigureText(figure));
  return findings;
}

std::string FindingsText(const ListFindings& f) {
  if (f.Clean())
    return "No duplicates, unused transponders, repeated names on a transponder or null channels.\n";
  std::string text = ReportBlock("Does not fit the receiver", f.overLimits.size(), f.overLimits);
  text += ReportBlock("Duplicates", f.duplicates.size(), f.duplicates);
  text += ReportBlock("Transponders no channel uses", f.unusedTransponders.size(), f.unusedTransponders);
  text += ReportBlock("Same name on one transponder", f.sameNames.size(), f.sameNames);
  std::vector<std::string> nullLines;
  if (!f.nullChannels.empty()) nullLines.push_back("channels " + NumberRanges(f.nullChannels));
  if (!f.nullAnalogChannels.empty())
    nullLines.push_back("analog channels " + NumberRanges(f.nullAnalogChannels));
  text += ReportBlock("Null channels (kept places in the numbering)",
                      f.nullChannels.size() + f.nullAnalogChannels.size(), nullLines);
  return text;
}

TidyPlan PlanTidy(const std::vector<std::string>& fields, const TidyChoice& choice, const NameCodec& names) {
  const Analysis a = Analyse(fields, names);
  TidyPlan plan;
  std::vector<bool> gone(a.list.channels.size(), false);
  for (size_t i = 0; i < a.list.channels.size(); ++i) {
    const ChannelEntry& c = a.list.channels[i];
    const bool duplicate = choice.duplicates && a.duplicateOf[i] != nullptr;
    const bool null = !duplicate && choice.nullChannels && c.null;
    if (!duplicate && !null) continue;
    std::string line = duplicate ? DuplicateLine(c, *a.duplicateOf[i]) : ChannelLabel(c) + ": null channel";
    if (null) (c.Digital() ? plan.nullChannels : plan.nullAnalogChannels).push_back(c.number);
    gone[i] = true;
    plan.channels.push_back({{c.first, RecordWidth(c.section)}, std::move(line), null});
  }
  if (choice.unusedTransponders) {
    for (const TransponderEntry* tp : UnusedTransponders(a.list, gone))
      plan.transponders.push_back(
          {{tp->first, RecordWidth(Section::DigitalTp)}, TransponderLine(*tp) + ": no channel uses it"});
  }
  return plan;
}

void ApplyTidy(std::vector<std::string>& fields, const TidyPlan& plan) {
  std::vector<RecordRef> records;
  for (const auto& r : plan.channels) records.push_back(r.record);
  for (const auto& r : plan.transponders) records.push_back(r.record);
  EraseRecords(fields, records);
}

bool TidyUp(INewChannelHost& host, const TidyPlan& plan) {
  if (plan.Empty()) return false;
  const ListFill before = FillOfList(host.Fields());
  host.PushUndo(kTidyUndoLabel);
  ApplyTidy(host.Fields(), plan);
  // Removing records never fills the receiver more; the rule of every edit holds all the
  // same.
  if (!StillFits(before, host.Fields(), host.Reporter())) {
    host.RevertToUndoStep();
    return false;
  }
  host.RefreshWithRenumber();
  return true;
}

std::string TidyReportText(const TidyPlan& plan) {
  if (plan.Empty()) return "Nothing to remove; the list was left as it was.\n";
  std::string text = Format("Removed %zu channel%s and %zu transponder%s:\n", plan.channels.size(),
                            plan.channels.size() == 1 ? "" : "s", plan.transponders.size(),
                            plan.transponders.size() == 1 ? "" : "s");
  for (const auto& r : plan.channels)
    if (!r.null) text += "  " + r.line + "\n";
  if (!plan.nullChannels.empty()) text += "  null channels " + NumberRanges(plan.nullChannels) + "\n";
  if (!plan.nullAnalogChannels.empty())
    text += "  analog null channels " + NumberRanges(plan.nullAnalogChannels) + "\n";
  for (const auto& r : plan.transponders) text += "  " + r.line + "\n";
  return text;
}

}  // namespace lumoscope
