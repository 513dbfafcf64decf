// lumoscope-cli set: edits one record of a list from a script, through the same checks and
// the same channel logic as the window: FIELD=VALUE pairs on a channel (by the number the
// list shows), a PID channel, an analog channel, a satellite, a digital transponder or a
// satellite name (by its index). A refused value changes nothing; a good edit saves once.
#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/FieldConversions.h"
#include "base/Keywords.h"
#include "base/RecordFields.h"
#include "base/Reporter.h"
#include "base/SectionLocator.h"
#include "cli/BatchList.h"
#include "cli/Commands.h"
#include "editing/EditChannel.h"
#include "editing/FieldRules.h"

namespace lumoscope::cli {

namespace {

struct Assignment {
  std::string key;
  std::string value;
};

// The record to edit: its section and the text of its index field (channels: the number
// the list shows).
struct Target {
  const char* option;
  Section section;
  std::optional<std::string> index;
};

struct SetOptions {
  std::string path;
  std::string encoding;
  std::vector<std::string> assignments;
  std::vector<Target> targets{
      {"--channel", Section::DigitalChannel, {}}, {"--pid-channel", Section::PidChannel, {}},
      {"--analog", Section::AnalogTp, {}},        {"--satellite", Section::Satellite, {}},
      {"--transponder", Section::DigitalTp, {}},  {"--satellite-name", Section::SatNameList, {}},
  };
};

// The fields of a channel's dialog, by their names on the command line.
struct ChannelKey {
  std::string_view key;
  bool digital;  // a channel given by its service ID has it
  bool pid;      // a channel given by its PIDs has it
};
constexpr std::array<ChannelKey, 12> kChannelKeys{{
    {"name", true, true},
    {"svc-id", true, false},
    {"type", true, true},
    {"video-pid", false, true},
    {"audio-pid", false, true},
    {"pcr-pid", false, true},
    {"active-audio", true, true},
    {"frequency", true, true},
    {"symbol-rate", true, true},
    {"polarization", true, true},
    {"bouquet", true, true},
    {"sat-index", true, true},
}};

bool ChannelHas(Section section, std::string_view key) {
  return std::any_of(kChannelKeys.begin(), kChannelKeys.end(), [&](const ChannelKey& k) {
    return k.key == key && (section == Section::PidChannel ? k.pid : k.digital);
  });
}

std::string FieldList(Section section) {
  std::string out;
  const auto add = [&out](std::string_view key) {
    if (!out.empty()) out += ", ";
    out += key;
  };
  if (EditedByField(section)) {
    for (const FieldRule& rule : FieldRulesOf(section))
      if (IsEditable(rule)) add(rule.key);
  } else {
    for (const ChannelKey& k : kChannelKeys)
      if (section == Section::PidChannel ? k.pid : k.digital) add(k.key);
  }
  return out;
}

std::string FieldsHelp(const SetOptions& options) {
  // One line per record kind, "  fields of --channel: name, svc-id, ..." (the bash
  // completion reads them from here).
  std::string help = "Fields:\n";
  for (const Target& t : options.targets)
    help += "  fields of " + std::string(t.option) + ": " + FieldList(t.section) + "\n";
  help +=
      "Channels are edited as in their dialog: a changed frequency, symbol-rate, polarization or sat-index\n"
      "reuses a transponder with exactly these values, else makes a new one. Names are UTF-8, stored in the\n"
      "--encoding (ISO-8859-1 unless given).";
  return help;
}

// The stored value of a keyword a channel's dialog offers, checked by the field's rule.
std::optional<std::string> Keyword(const std::vector<std::string>& fields, Section section,
                                   std::string_view key, const std::string& value, const NameCodec& names,
                                   IReporter& reporter) {
  std::string problem;
  std::optional<std::string> stored =
      StoredValue(fields, *FindFieldRule(section, key), value, names, problem);
  if (!stored) reporter.MessageBox(problem);
  return stored;
}

// A channel's dialog that types the assignments into the form it is opened with.
class AssignedDialogs final : public IChannelDialogs {
 public:
  AssignedDialogs(const std::vector<Assignment>& assignments, const std::vector<std::string>& fields,
                  IReporter& reporter)
      : assignments_(assignments), fields_(fields), reporter_(reporter) {}

  bool RunDigital(DigitalChannelForm& form, const ChannelDialogSetup& setup) override {
    for (const Assignment& a : assignments_)
      if (!Apply(form, a, setup)) return false;
    return true;
  }
  bool RunAnalog(AnalogChannelForm& /*form*/, const ChannelDialogSetup& /*setup*/) override { return false; }

 private:
  bool Apply(DigitalChannelForm& form, const Assignment& a, const ChannelDialogSetup& setup) {
    const std::string& v = a.value;
    if (a.key == "name") {
      form.name = v;
    } else if (a.key == "svc-id") {
      form.svcId = Trimmed(v);
    } else if (a.key == "video-pid") {
      form.videoPid = Trimmed(v);
    } else if (a.key == "audio-pid") {
      form.audioPid = Trimmed(v);
    } else if (a.key == "pcr-pid") {
      form.pcrPid = Trimmed(v);
    } else if (a.key == "active-audio") {
      form.activeAudio = Trimmed(v);
    } else if (a.key == "frequency") {
      form.frequency = Trimmed(v);
    } else if (a.key == "symbol-rate") {
      form.symbolRate = Trimmed(v);
    } else if (a.key == "bouquet") {
      form.bouquet = v;
    } else if (a.key == "type") {
      const auto type = Keyword(fields_, Section::DigitalChannel, "type", v, setup.names, reporter_);
      if (!type) return false;
      form.tv = *type == kTv;
    } else if (a.key == "polarization") {
      const auto polar = Keyword(fields_, Section::DigitalTp, "polarization", v, setup.names, reporter_);
      if (!polar) return false;
      form.horizontal = *polar == kHorizontal;
    } else if (a.key == "sat-index") {
      const auto sat = Keyword(fields_, Section::DigitalChannel, "sat-index", v, setup.names, reporter_);
      if (!sat) return false;
      const std::vector<std::string>& lines = setup.satelliteLines;
      const size_t width = RecordWidth(Section::Satellite);
      for (size_t s = 0; s * width < lines.size(); ++s)
        if (lines[s * width + field::kIndex] == *sat) form.satellite.selected = static_cast<int>(s);
    }
    return true;
  }

  const std::vector<Assignment>& assignments_;
  const std::vector<std::string>& fields_;
  IReporter& reporter_;
};

// The record of `section` whose index field is `index`; nothing after telling the person.
std::optional<size_t> FindRecord(const std::vector<std::string>& fields, const Target& target,
                                 IReporter& reporter) {
  const SectionSpan span = SectionLocator(fields)[target.section];
  for (size_t r = 0; r < span.Records(); ++r)
    if (Trimmed(fields[span.At(r, field::kIndex)]) == Trimmed(*target.index)) return r;
  reporter.MessageBox(Format("The list has no record %s in its %s section (%s %s).", target.index->c_str(),
                             std::string(FormatOf(target.section).header).c_str(), target.option,
                             target.index->c_str()));
  return std::nullopt;
}

int Set(const SetOptions& o, const Target& target, const std::vector<Assignment>& assignments) {
  const NameEncoding encoding = EncodingNamed(o.encoding);
  return EditList(o.path, [&](CLumoscopeListView& view) {
    view.SetNameEncoding(encoding);
    IReporter& reporter = view.Reporter();
    const std::optional<size_t> record = FindRecord(view.Fields(), target, reporter);
    if (!record) return false;
    if (EditedByField(target.section)) {
      for (const Assignment& a : assignments)
        if (!SetRecordField(view, target.section, *record, *FindFieldRule(target.section, a.key), a.value))
          return false;
      return true;
    }
    const size_t first = SectionLocator(view.Fields())[target.section].At(*record);
    AssignedDialogs dialogs(assignments, view.Fields(), reporter);
    const EditOutcome outcome = EditChannel(view, dialogs, first);
    return outcome == EditOutcome::Changed || outcome == EditOutcome::Unchanged;
  });
}

}  // namespace

CLI::Option* AddEncodingOption(CLI::App& command, std::string& encoding) {
  std::vector<std::string> names;
  for (const NameEncodingInfo& e : kNameEncodings) names.emplace_back(e.name);
  encoding = std::string(NameEncodingName(kDefaultNameEncoding));
  return command.add_option("--encoding", encoding, "The receiver's character set for names")
      ->check(CLI::IsMember(names, CLI::ignore_case));
}

NameEncoding EncodingNamed(const std::string& name) {
  return FindNameEncoding(name).value_or(kDefaultNameEncoding);
}

void AddSetCommand(CLI::App& app, int& exitCode) {
  auto options = std::make_shared<SetOptions>();
  CLI::App* set = app.add_subcommand(
      "set", "Change fields of a channel, satellite, transponder or satellite name: FIELD=VALUE ...");
  std::vector<CLI::Option*> targetOptions;
  for (Target& t : options->targets) {
    const bool channel = t.section == Section::DigitalChannel || t.section == Section::PidChannel ||
                         t.section == Section::AnalogTp;
    targetOptions.push_back(
        set->add_option(t.option, t.index,
                        channel ? "The channel with this number in the list" : "The record with this index"));
  }
  for (CLI::Option* a : targetOptions)
    for (CLI::Option* b : targetOptions)
      if (a != b) a->excludes(b);
  AddEncodingOption(*set, options->encoding);
  set->add_option("LIST", options->path, "The list's text file")->required();
  set->add_option("FIELD=VALUE", options->assignments, "The fields to change")->required();
  set->footer(FieldsHelp(*options));
  set->callback([options, &exitCode] {
    const auto target = std::find_if(options->targets.begin(), options->targets.end(),
                                     [](const Target& t) { return t.index.has_value(); });
    if (target == options->targets.end())
      throw CLI::RequiredError(
          "--channel, --pid-channel, --analog, --satellite, --transponder or --satellite-name");
    std::vector<Assignment> assignments;
    for (const std::string& text : options->assignments) {
      const size_t equals = text.find('=');
      if (equals == std::string::npos)
        throw CLI::ValidationError("FIELD=VALUE", "\"" + text + "\" has no \"=\"");
      Assignment a{text.substr(0, equals), text.substr(equals + 1)};
      const FieldRule* rule = FindFieldRule(target->section, a.key);
      const bool known = EditedByField(target->section) ? rule != nullptr && IsEditable(*rule)
                                                        : ChannelHas(target->section, a.key);
      if (!known)
        throw CLI::ValidationError("FIELD=VALUE", "\"" + a.key + "\" is no field of " + target->option +
                                                      " (" + FieldList(target->section) + ")");
      assignments.push_back(std::move(a));
    }
    exitCode = Set(*options, *target, assignments);
  });
}

}  // namespace lumoscope::cli
