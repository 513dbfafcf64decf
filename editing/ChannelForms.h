#pragma once
// The values the two channel dialogs collect, and the dialog interface the new-channel
// logic drives (the Qt dialogs implement it; tests script it).
#include <string>
#include <vector>

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

struct DigitalChannelForm {
  std::string name;
  std::string svcId;
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

class IChannelDialogs {
 public:
  virtual ~IChannelDialogs() = default;
  // Runs the dialog modally with the SATELLITE section's lines (7 per satellite).
  // True for OK (the form then holds the entered values), false for Cancel.
  virtual bool RunDigital(DigitalChannelForm& form, const std::vector<std::string>& satelliteLines) = 0;
  virtual bool RunAnalog(AnalogChannelForm& form, const std::vector<std::string>& satelliteLines) = 0;
};

}  // namespace lumoscope
