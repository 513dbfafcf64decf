#pragma once
// The pictures of the guide (docs/guide.md), one entry each. A new window command gets its
// picture by one more entry here: the file, the example list, the display and the command.
#include <array>

#include "listview/ViewCommands.h"
#include "shell/DocumentCommands.h"

namespace lumoscope::shots {

// What ends up in the picture.
enum class Picture {
  Window,          // the main window once the command is done
  Dialog,          // the command's dialog or message box on its own
  WindowAtDialog,  // the main window with the command's dialog over it, as it was then
  WindowWithMenu,  // the main window with one of its menus open
};

struct Shot {
  const char* file;            // written as OUTDIR/file
  const char* list = nullptr;  // example list (in examples/) opened first
  int display = 0;             // view command run before the command, 0: none
  int command = 0;             // the command pictured, 0: none
  Picture picture = Picture::Window;
  int dialog = 0;                  // Dialog, WindowAtDialog: which of the command's dialogs (0: the first)
  const char* menu = nullptr;      // WindowWithMenu: the menu's title as the menu bar has it
  int selectedRow = -1;            // row selected before the command, -1: none
  int editColumn = -1;             // the cell of selectedRow being edited in place, -1: none
  const char* receiver = nullptr;  // a simulated receiver on COM1, its console listing this example list
  const char* filter = nullptr;    // typed into the filter field (Ctrl+F) before the command
  bool toolbar = false;            // the toolbar shown (View > Toolbar)
};

inline constexpr std::array kShots{
    // The README's picture: a realistic list in the digital channel view.
    Shot{.file = "main-window.png",
         .list = "europe-digital.txt",
         .display = cmd::kViewDigitalChannels,
         .selectedRow = 2},
    Shot{.file = "empty-window.png"},
    // The toolbar's pictures, and the File menu with the commands of the list file.
    Shot{.file = "toolbar.png",
         .list = "europe-digital.txt",
         .display = cmd::kViewDigitalChannels,
         .selectedRow = 3,
         .toolbar = true},
    Shot{.file = "file-menu.png",
         .list = "europe-digital.txt",
         .display = cmd::kViewDigitalChannels,
         .picture = Picture::WindowWithMenu,
         .menu = "&File",
         .toolbar = true},
    Shot{.file = "analog-channels.png", .list = "astra-analog.txt", .display = cmd::kViewAnalogChannels},
    Shot{.file = "satellites.png", .list = "europe-digital.txt", .display = cmd::kViewSatellites},
    Shot{.file = "transponders.png", .list = "europe-digital.txt", .display = cmd::kViewDigitalTps},
    Shot{.file = "latin1-names.png", .list = "regional-latin1.txt", .display = cmd::kViewDigitalChannels},
    Shot{.file = "edit-menu.png",
         .list = "europe-digital.txt",
         .display = cmd::kViewDigitalChannels,
         .picture = Picture::WindowWithMenu,
         .menu = "&Edit",
         .selectedRow = 4},
    Shot{.file = "view-menu.png",
         .list = "europe-digital.txt",
         .display = cmd::kViewDigitalChannels,
         .picture = Picture::WindowWithMenu,
         .menu = "&View"},
    // The filter field open with a few letters typed, the status bar counting the rows shown.
    Shot{.file = "filter.png",
         .list = "europe-digital.txt",
         .display = cmd::kViewDigitalChannels,
         .selectedRow = 1,
         .filter = "rai"},
    Shot{.file = "new-digital-channel.png",
         .list = "europe-digital.txt",
         .display = cmd::kViewDigitalChannels,
         .command = cmd::kNewChannel,
         .picture = Picture::Dialog,
         .selectedRow = 2},
    Shot{.file = "new-analog-channel.png",
         .list = "astra-analog.txt",
         .display = cmd::kViewAnalogChannels,
         .command = cmd::kNewChannel,
         .picture = Picture::Dialog,
         .selectedRow = 0},
    // Editing what is in the list: a channel in its dialog, a satellite's cell in place.
    Shot{.file = "edit-digital-channel.png",
         .list = "europe-digital.txt",
         .display = cmd::kViewDigitalChannels,
         .command = cmd::kEditChannel,
         .picture = Picture::Dialog,
         .selectedRow = 2},
    Shot{.file = "edit-in-place.png",
         .list = "europe-digital.txt",
         .display = cmd::kViewSatellites,
         .selectedRow = 1,
         .editColumn = 4},
    Shot{.file = "options.png", .command = cmd::kSettingOption, .picture = Picture::Dialog},
    Shot{.file = "about.png", .command = cmd::kAbout, .picture = Picture::Dialog},
    // The download's second message box ("Flash download is terminated successfully.")
    // comes while the message window still shows every step.
    Shot{.file = "download.png",
         .list = "europe-digital.txt",
         .display = cmd::kViewDigitalChannels,
         .command = cmd::kDownloadCurrentList,
         .picture = Picture::WindowAtDialog,
         .dialog = 1,
         .receiver = "europe-digital.txt"},
    Shot{.file = "upload.png",
         .command = cmd::kUpload,
         .picture = Picture::WindowAtDialog,
         .receiver = "europe-digital.txt"},
};

}  // namespace lumoscope::shots
