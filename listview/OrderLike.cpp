#include "listview/OrderLike.h"

#include <algorithm>

#include "base/NameText.h"
#include "base/Reporter.h"
#include "database/ListFill.h"
#include "editing/NewChannelHost.h"
#include "listview/RecordMoves.h"

namespace lumoscope {

namespace {

using KeyFunction = std::string (*)(const ChannelEntry&);

// A list's names are decoded, a file's names taken as UTF-8: both are matched as UTF-8.
std::string NameKeyOf(const ChannelEntry& c) {
  return NameKey(c.name);
}

std::vector<std::string> KeysOf(const std::vector<const ChannelEntry*>& entries, KeyFunction key) {
  std::vector<std::string> keys;
  keys.reserve(entries.size());
  for (const ChannelEntry* e : entries) keys.push_back(key(*e));
  return keys;
}

// The channels of one group numbered on their own (digital or analog) and the reference
// entry each one takes.
struct Group {
  std::vector<const ChannelEntry*> channels;
  std::vector<size_t> entryOf;

  void MatchBy(KeyFunction key, const std::vector<std::string>& entryKeys, std::vector<bool>& entryTaken) {
    entryOf.resize(channels.size(), kNoPartner);
    PairByKey(KeysOf(channels, key), entryKeys, entryOf, entryTaken);
  }
  // Against a reference list's channels of the same group: the closest key first.
  std::vector<bool> MatchList(const std::vector<const ChannelEntry*>& entries) {
    std::vector<bool> taken(entries.size(), false);
    for (const KeyFunction key : {&IdentityKey, &ServiceKey, &NameKeyOf})
      MatchBy(key, KeysOf(entries, key), taken);
    return taken;
  }
};

}  // namespace

OrderLikeReport OrderLike(std::vector<std::string>& fields, const OrderReference& reference,
                          const NameCodec& names) {
  OrderLikeReport report;
  const std::vector<ChannelEntry> channels = ReadChannels(fields, names).channels;
  Group digital;
  Group analog;
  for (const ChannelEntry& c : channels)
    if (!c.null) (c.Digital() ? digital : analog).channels.push_back(&c);

  if (reference.isList) {
    std::vector<const ChannelEntry*> refDigital;
    std::vector<const ChannelEntry*> refAnalog;
    for (const ChannelEntry& c : reference.channels) (c.Digital() ? refDigital : refAnalog).push_back(&c);
    const std::vector<bool> takenDigital = digital.MatchList(refDigital);
    const std::vector<bool> takenAnalog = analog.MatchList(refAnalog);
    for (size_t j = 0; j < refDigital.size(); ++j)
      if (!takenDigital[j]) report.notFound.push_back(ChannelLabel(*refDigital[j]));
    for (size_t j = 0; j < refAnalog.size(); ++j)
      if (!takenAnalog[j]) report.notFound.push_back(ChannelLabel(*refAnalog[j]));
  } else {
    std::vector<std::string> keys;
    for (const std::string& name : reference.names) keys.push_back(NameKey(TextToUtf8(name, names)));
    std::vector<bool> takenDigital(keys.size(), false);
    std::vector<bool> takenAnalog(keys.size(), false);
    digital.MatchBy(&NameKeyOf, keys, takenDigital);
    analog.MatchBy(&NameKeyOf, keys, takenAnalog);
    for (size_t j = 0; j < keys.size(); ++j)
      if (!takenDigital[j] && !takenAnalog[j])
        report.notFound.push_back("\"" + TextToUtf8(reference.names[j], names) + "\"");
  }
  // The reference place of each channel of the list (kNoPartner for none).
  std::vector<size_t> placeOf(channels.size(), kNoPartner);
  for (const Group* g : {&digital, &analog})
    for (size_t i = 0; i < g->channels.size(); ++i)
      placeOf[static_cast<size_t>(g->channels[i] - channels.data())] = g->entryOf[i];

  // Each section in its new order: the matched channels by their place in the
  // reference, then the others as they were, around the null channels' places.
  const SectionLocator sections(fields);
  long digitalBefore = 0;  // digital channels in the sections before this one
  for (const Section section : {Section::DigitalChannel, Section::PidChannel, Section::AnalogTp}) {
    std::vector<size_t> records;
    for (size_t i = 0; i < channels.size(); ++i)
      if (channels[i].section == section) records.push_back(i);
    std::vector<int> named;
    for (size_t r = 0; r < records.size(); ++r)
      if (!channels[records[r]].null) named.push_back(static_cast<int>(r));
    const auto place = [&](int r) { return placeOf[records[static_cast<size_t>(r)]]; };
    std::stable_sort(named.begin(), named.end(), [&](int a, int b) { return place(a) < place(b); });
    std::vector<int> order(records.size());
    auto next = named.begin();
    for (size_t slot = 0; slot < records.size(); ++slot) {
      order[slot] = channels[records[slot]].null ? static_cast<int>(slot) : *next++;
      const ChannelEntry& moved = channels[records[static_cast<size_t>(order[slot])]];
      if (moved.null) {
        ++report.nullChannels;
      } else if (place(order[slot]) == kNoPartner) {
        ChannelEntry renumbered = moved;
        renumbered.number = (moved.Digital() ? digitalBefore : 0) + static_cast<long>(slot) + 1;
        report.notInReference.push_back(ChannelLabel(renumbered));
      } else {
        ++report.matched;
      }
      report.changed = report.changed || order[slot] != static_cast<int>(slot);
    }
    PermuteRecords(fields, sections[section], order);
    if (section != Section::AnalogTp) digitalBefore += static_cast<long>(records.size());
  }
  return report;
}

OrderLikeReport OrderLike(INewChannelHost& host, const OrderReference& reference) {
  std::vector<std::string> fields = host.Fields();
  OrderLikeReport report = OrderLike(fields, reference, host.Names());
  // Another order keeps every count of the receiver's image; the rule of every edit holds
  // all the same.
  if (report.changed && !StillFits(FillOfList(host.Fields()), fields, host.Reporter())) {
    report.changed = false;
    report.refused = true;
  }
  if (report.changed) {
    host.PushUndo(kOrderLikeUndoLabel);
    host.Fields() = std::move(fields);
    host.RefreshWithRenumber();
  }
  return report;
}

std::string OrderReportText(const OrderLikeReport& report) {
  std::string text = Format("Ordered like the reference: %zu channel%s matched it.\n", report.matched,
                            report.matched == 1 ? "" : "s");
  text += ReportBlock("Not in the reference (they follow in their old order)", report.notInReference.size(),
                      report.notInReference);
  text += ReportBlock("Reference entries not found", report.notFound.size(), report.notFound);
  if (report.nullChannels > 0) text += Format("Null channels kept their places: %zu\n", report.nullChannels);
  if (!report.changed) text += "The channels were in this order already; nothing was changed.\n";
  return text;
}

}  // namespace lumoscope
