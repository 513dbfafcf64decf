#pragma once
// How full a list makes the receiver: the bytes of its normal and basic images, its TV
// and radio services, transponders and satellites, each against the receiver's limit.
// They are counted from the working section list as the compile counts them from the
// saved text: only what reaches the image (a transponder or channel on a satellite that
// is missing or blank does not), with the markers, record sizes and padding of
// ImageLayout. An edit can then be told at once that the list would no longer fit,
// instead of the compile refusing it after the work is done.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace lumoscope {

class IReporter;

inline constexpr const char* kFitsText = "Fits: %d%% of the receiver's memory";
inline constexpr const char* kDoesNotFitText = "Does not fit: %d%% of the receiver's memory";
// Edits beyond the receiver's own operations are refused when the list would no longer
// fit; the receiver's own operations (padding, pasting, a new channel) keep their result
// and warn. %s: the figures over their limits.
inline constexpr const char* kNoLongerFitsRefusal =
    "The list would no longer fit the receiver: %s. Nothing was changed.";
inline constexpr const char* kNoLongerFitsWarning =
    "The list no longer fits the receiver: %s. The receiver cannot take it until it is smaller.";

struct FillFigure {
  const char* name;  // "normal image", "TV services", ...
  const char* unit;  // " bytes", or nothing
  size_t value = 0;
  size_t limit = 0;
  bool Fits() const { return value <= limit; }
  // Of the limit, in whole percent rounded up: a figure 1 past its limit is over 100%.
  int Percent() const;
};

struct ListFill {
  // As the normal image's header counts them, in the normal compile.
  size_t satellites = 0;
  size_t digitalTps = 0;
  size_t digitalServices = 0;  // digital channels and PID channels
  size_t analogTps = 0;
  size_t tv = 0;  // TV services of the digital, PID and analog sections
  size_t radio = 0;
  // The images as their hex files hold them, padding included.
  size_t normalImageBytes = 0;
  size_t basicImageBytes = 0;

  std::array<FillFigure, 6> Figures() const;
  bool Fits() const;
  // The fullest figure's percentage.
  int Percent() const;
};

ListFill FillOfList(const std::vector<std::string>& fields);

// "Fits: 81% of the receiver's memory", or kDoesNotFitText.
std::string FillStatusText(const ListFill& fill);
// "normal image 68032 bytes (at most 65536)".
std::string FigureText(const FillFigure& figure);
// The figures over their limits, joined by "; "; empty when the list fits.
std::string OverLimitsText(const ListFill& fill);
// The figures a change took over their limits, or further over them; empty when the
// change left the list fitting the receiver as well as before.
std::string NewlyOverLimitsText(const ListFill& before, const ListFill& after);

// For the edits that must leave a list that fits: true when the list `after` fits as
// well as the list had `before`; else the person is told (kNoLongerFitsRefusal) and the
// result is false, for the caller to change nothing.
bool StillFits(const ListFill& before, const std::vector<std::string>& after, IReporter& reporter);
// For the receiver's own operations: tells the person (kNoLongerFitsWarning) when the
// operation took the list past a limit.
void WarnWhenNoLongerFits(const ListFill& before, const std::vector<std::string>& after, IReporter& reporter);

}  // namespace lumoscope
