#include "shell/DocumentCommands.h"

#include <array>

namespace lumoscope {
namespace {

using enum DocumentEnableRule;

// The prompts are the program's own strings, double blanks and trailing blank included.
constexpr std::array kDocumentCommands{
    CommandInfo{cmd::kOpen, "Open an existing document", "Open", Always},
    CommandInfo{cmd::kSave, "Save the active document", "Save", WhenLoaded},
    CommandInfo{cmd::kSaveAs, "Save the active document with a new name", "Save As", WhenLoaded},
    CommandInfo{cmd::kCompileNormal, "Compile Normal", "", WhenLoaded},
    CommandInfo{cmd::kBasicCompile, "Basic Compile", "Basic Compile", WhenLoaded},
    CommandInfo{cmd::kPreinstalledOneList, "Pre-Installed Compile => 1 List",
                "Pre-Installed Compile => 1 List", WhenLoaded},
    CommandInfo{cmd::kPreinstalledSplitList, "Pre-Installed Compile => Split List",
                "Pre-Installed Compile => Split List", WhenLoaded},
    CommandInfo{cmd::kDownloadCurrentList,
                "Download Current Channellist [PC=>Settop]**MUST POWER OFF AND TURN ON ",
                "Download Current Channellist [PC=>Settop]**MUST POWER OFF AND TURN ON ", WhenLoaded},
    CommandInfo{cmd::kDownloadOthers,
                "Download Program or  compiled channel list file or Hex file [PC=>Settop]",
                "Download Program or  compiled channel list file or Hex file [PC=>Settop]", Always},
    CommandInfo{cmd::kUpload, "upload channel list to PC from settop **Enable When Settop display \"___1\"",
                "upload channel list to PC from settop **Enable When Settop display \"___1\"", Always},
};

constexpr std::array kFrameCommands{
    CommandInfo{cmd::kSettingOption, "Setting Option", "Setting Option", Always},
    CommandInfo{cmd::kAbout, "About Lumoscope Lite", "About", Always},
};

}  // namespace

std::span<const CommandInfo> DocumentCommandTable() {
  return kDocumentCommands;
}
std::span<const CommandInfo> FrameCommandTable() {
  return kFrameCommands;
}

const CommandInfo* FindCommand(int id) {
  for (const CommandInfo& c : kDocumentCommands)
    if (c.id == id) return &c;
  for (const CommandInfo& c : kFrameCommands)
    if (c.id == id) return &c;
  return nullptr;
}

}  // namespace lumoscope
