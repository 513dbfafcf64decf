#pragma once
// Every value the program keeps in the per-user settings store: its section, key and
// the value read when the store holds none. Colours are kept as three 0-255 parts.
#include <string_view>

namespace lumoscope::settings {

// The serial port used by download and upload, 1 to 4 for "COM1" to "COM4".
inline constexpr const char* kPortSection = "CommPort Num";
inline constexpr const char* kPortKey = "Number";
inline constexpr int kPortDefault = 1;

// The list's look. "Font Size" and "Font Name" only mark that colours were saved;
// no font is made from them.
inline constexpr const char* kListSection = "Lumoscope";
inline constexpr const char* kFontSizeKey = "Font Size";
inline constexpr int kFontSizeDefault = 0;
inline constexpr const char* kFontNameKey = "Font Name";
inline constexpr const char* kFontNameDefault = "";
// What the option dialog writes as the mark when it saves colours.
inline constexpr int kSavedFontSize = 10;
inline constexpr const char* kSavedFontName = "system";

inline constexpr const char* kTextRedKey = "Text Color.R";
inline constexpr const char* kTextGreenKey = "Text Color.G";
inline constexpr const char* kTextBlueKey = "Text Color.B";
inline constexpr int kTextRedDefault = 0;
inline constexpr int kTextGreenDefault = 0;
inline constexpr int kTextBlueDefault = 255;

inline constexpr const char* kBackRedKey = "Background Color.R";
inline constexpr const char* kBackGreenKey = "Background Color.G";
inline constexpr const char* kBackBlueKey = "Background Color.B";
inline constexpr int kBackRedDefault = 192;
inline constexpr int kBackGreenDefault = 192;
inline constexpr int kBackBlueDefault = 192;

// The folder of the last opened list; "ERROR" means none was kept yet.
inline constexpr const char* kRecentFolderKey = "RecentFolderPath";
inline constexpr const char* kRecentFolderDefault = "ERROR";

// The lists opened last, newest first, one key per place; an empty value is no list.
inline constexpr const char* kRecentListsSection = "Recent Lists";
inline constexpr const char* kRecentListKeys[] = {"List1", "List2", "List3", "List4",
                                                  "List5", "List6", "List7", "List8"};

// How many steps Undo keeps (1 to 100), and the name encoding by its name (ISO-8859-1).
inline constexpr const char* kUndoStepsKey = "Undo Steps";
inline constexpr const char* kNameEncodingKey = "Name Encoding";

// The window: whether the toolbar is shown (0 or 1) and the side it is docked at (the
// toolkit's own code of the area; the top unless kept otherwise).
inline constexpr const char* kWindowSection = "Window";
inline constexpr const char* kToolbarShownKey = "Toolbar Shown";
inline constexpr const char* kToolbarAreaKey = "Toolbar Area";

// The device behind each port name on this machine, one key per port name.
inline constexpr const char* kDeviceSection = "CommPort Devices";
inline constexpr const char* kDeviceKeys[] = {"COM1", "COM2", "COM3", "COM4"};

}  // namespace lumoscope::settings
