#include "listview/CutBuffers.h"

namespace lumoscope {

void CutBuffers::Clear() {
  channels_ = {};
  pidChannels_ = {};
  analogChannels_ = {};
}

CutBuffers::Buffer* CutBuffers::Of(Section kind) {
  return const_cast<Buffer*>(static_cast<const CutBuffers*>(this)->Of(kind));
}

const CutBuffers::Buffer* CutBuffers::Of(Section kind) const {
  switch (kind) {
    case Section::DigitalChannel:
      return &channels_;
    case Section::PidChannel:
      return &pidChannels_;
    case Section::AnalogTp:
      return &analogChannels_;
    default:
      return nullptr;
  }
}

void CutBuffers::Add(Section kind, const std::string* record, size_t width) {
  Buffer* buffer = Of(kind);
  if (buffer == nullptr || width != RecordWidth(kind)) return;
  buffer->strings.insert(buffer->strings.end(), record, record + width);
  ++buffer->records;
}

int CutBuffers::Count(Section kind) const {
  const Buffer* buffer = Of(kind);
  return buffer == nullptr ? 0 : buffer->records;
}

std::vector<std::string> CutBuffers::Take(Section kind) {
  Buffer* buffer = Of(kind);
  if (buffer == nullptr) return {};
  std::vector<std::string> records = std::move(buffer->strings);
  *buffer = {};
  return records;
}

}  // namespace lumoscope
