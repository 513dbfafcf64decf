#pragma once
// The values the two channel dialogs collect, and the dialog interface the new-channel
// and edit-channel logic drive (the Qt dialogs implement it; the command line's `set` and
// the tests script it). Names in the forms are UTF-8, as a person reads and types them;
// the logic decodes and encodes them with the list's name encoding.
#include <string>
#include <vector>

#include "base/NameText.h"

namespace lumoscope {

// The satellite part both dialogs show: the preset satellite and the read-only data of
// the selected one (Degree in stored form until the user picks a satellite).
struct SatelliteFields {
  std::string name;
  std::string lnbHigh;
  std::string lnbLow;
  std::string position;
  std::string degree;
  int selected = 0;  // position in the satellite list, set on OK
};

// A PID channel (a CHANNEL_PID record) is edited in the digital dialog too: it has its
// three PIDs instead of a service ID.
struct DigitalChannelForm {
  std::string name;
  std::string svcId;
  bool pid = false;
  std::string videoPid;
  std::string audioPid;
  std::string pcrPid;
  std::string activeAudio = "1";
  bool tv = true;
  std::string frequency;
  std::string symbolRate;
  bool horizontal = true;
  std::string bouquet = "---";
  SatelliteFields satellite;
};

// The lists' selections (videoBand, decoderOutput, audioMode, bandWidth, deEmphasis) are
// positions in the keyword lists of base/Keywords.h; bandWidth is one of kAudioBands.
struct AnalogChannelForm {
  std::string name;
  std::string frequency;
  bool cBand = true;
  int videoBand = 0;
  bool horizontal = true;
  std::string threshold;
  std::string contrast;
  int decoderOutput = 0;
  int audioMode = 0;
  std::string audioLeft;
  std::string audioRight;
  int bandWidth = 0;
  bool dnrYes = true;
  int deEmphasis = 0;
  bool tv = true;
  SatelliteFields satellite;
};

// A dialog makes a new channel or edits one of the list (its title says which).
enum class DialogPurpose { New, Edit };

struct ChannelDialogSetup {
  // The SATELLITE section's lines, 7 per satellite, names as stored.
  std::vector<std::string> satelliteLines;
  NameCodec names;
  DialogPurpose purpose = DialogPurpose::New;
};

class IChannelDialogs {
 public:
  virtual ~IChannelDialogs() = default;
  // Runs the dialog modally, the form holding the values to show. True for OK (the form
  // then holds the entered values), false for Cancel.
  virtual bool RunDigital(DigitalChannelForm& form, const ChannelDialogSetup& setup) = 0;
  virtual bool RunAnalog(AnalogChannelForm& form, const ChannelDialogSetup& setup) = 0;
};

}  // namespace lumoscope
