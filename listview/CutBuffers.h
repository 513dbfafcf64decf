#pragma once
// The cut buffers of the channel view: one per kind of channel record (digital channels,
// PID channels, analog channels), each holding whole records back to back. A cut empties
// all three first; a paste takes the whole buffer of one kind. The buffers live as long
// as the view: reloads, view switches and undo leave them alone.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/Sections.h"

namespace lumoscope {

class CutBuffers {
 public:
  void Clear();
  // Appends a copy of a record of `kind` (DigitalChannel, PidChannel or AnalogTp); a
  // record of another width, or of another kind, is not taken.
  void Add(Section kind, const std::string* record, size_t width);
  // Records held of `kind`; 0 for a kind that has no buffer.
  int Count(Section kind) const;
  // Every record of `kind`, in the order they were cut; that buffer is empty after it.
  std::vector<std::string> Take(Section kind);

 private:
  struct Buffer {
    std::vector<std::string> strings;
    int records = 0;
  };
  // The buffer of a kind: digital channels, PID channels, analog channels.
  static std::optional<size_t> SlotOf(Section kind);

  std::array<Buffer, 3> buffers_;
};

}  // namespace lumoscope
