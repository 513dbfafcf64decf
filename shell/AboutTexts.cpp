#include "shell/AboutTexts.h"

#include <array>
#include <string_view>

namespace lumoscope {

std::string AboutHistory() {
  static constexpr std::array<std::string_view, 12> kEntries{
      "2000.07.19: adjusting upload for large size\r\n",
      "2000.07.20: adjusting compile normal for pid section to be read at receiver\r\n",
      "2000.07.21: add Cut / Paste channel and Group Channel Move\r\n",
      "2000.07.24: delete nell channel when loading/uploading\r\n",
      "\r\n\tVersion 0.1002\r\n",
      "2000.07.25: adjusting upload function to be able to upload which size is upper then 100kbyte\r\n",
      "2000.08.24: to exist null channel for using gap channel at SAVE,COMPILE,UPLOAD.\r\n",
      "and when added new channel by double click, old channel deleted, and that place replaced by new "
      "channel\r\n",
      "\r\n\tVersion 0.1003\t2000.09.04\r\n",
      "Save comm port number at registry\r\nWhen dowmloading, find ack signal from STB only about 10 "
      "seconds\r\n",
      "\r\n\tVersion 1.0000\t2000.10.10\r\n",
      "Lumoscope lite version which have a simple function.\r\n",
  };
  std::string history;
  for (std::string_view e : kEntries) history += e;
  return history;
}

}  // namespace lumoscope
