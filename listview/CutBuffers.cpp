#include "listview/CutBuffers.h"

namespace lumoscope {

std::optional<size_t> CutBuffers::SlotOf(Section kind) {
  switch (kind) {
    case Section::DigitalChannel:
      return 0;
    case Section::PidChannel:
      return 1;
    case Section::AnalogTp:
      return 2;
    default:
      return std::nullopt;
  }
}

void CutBuffers::Clear() {
  buffers_ = {};
}

void CutBuffers::Add(Section kind, const std::string* record, size_t width) {
  const std::optional<size_t> slot = SlotOf(kind);
  if (!slot || width != RecordWidth(kind)) return;
  Buffer& buffer = buffers_[*slot];
  buffer.strings.insert(buffer.strings.end(), record, record + width);
  ++buffer.records;
}

int CutBuffers::Count(Section kind) const {
  const std::optional<size_t> slot = SlotOf(kind);
  return slot ? buffers_[*slot].records : 0;
}

std::vector<std::string> CutBuffers::Take(Section kind) {
  const std::optional<size_t> slot = SlotOf(kind);
  if (!slot) return {};
  std::vector<std::string> records = std::move(buffers_[*slot].strings);
  buffers_[*slot] = {};
  return records;
}

}  // namespace lumoscope
