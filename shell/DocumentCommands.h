#pragma once
// The document's commands as data: identifier, status-bar prompt, tool tip and the rule
// that enables them. The window binds its menu items, toolbar and buttons to these.
#include <span>
#include <string_view>

namespace lumoscope {

namespace cmd {
inline constexpr int kOpen = 57601;
inline constexpr int kSave = 57603;
inline constexpr int kSaveAs = 57604;
inline constexpr int kCompileNormal = 32786;
inline constexpr int kBasicCompile = 32787;
inline constexpr int kPreinstalledOneList = 32797;
inline constexpr int kPreinstalledSplitList = 32816;
inline constexpr int kDownloadCurrentList = 32788;
inline constexpr int kDownloadOthers = 32813;
inline constexpr int kUpload = 32800;
// Handled by the frame and the application.
inline constexpr int kSettingOption = 32812;
inline constexpr int kAbout = 57664;
}  // namespace cmd

enum class DocumentEnableRule {
  Always,
  WhenLoaded,  // a list has been opened or uploaded
};

struct CommandInfo {
  int id;
  std::string_view prompt;
  std::string_view toolTip;  // empty: none
  DocumentEnableRule rule;
};

// The document's commands, in the order of their table.
std::span<const CommandInfo> DocumentCommandTable();
// The commands of the frame and application (options, about box).
std::span<const CommandInfo> FrameCommandTable();

// The entry for `id` in either table, or null.
const CommandInfo* FindCommand(int id);

}  // namespace lumoscope
