#include "database/Compiler.h"

#include "database/HexWriter.h"
#include "database/ImageEncoder.h"

namespace lumoscope {

std::vector<uint8_t> NormalHeader(const CompileCounters& c) {
  const uint16_t values[] = {c.satellites, c.digitalTps, c.digitalServices, c.analogTps, c.tv, c.radio};
  std::vector<uint8_t> header;
  header.reserve(kNormalHeaderBytes);
  for (uint16_t v : values) {
    header.push_back(static_cast<uint8_t>(v & 0xFF));
    header.push_back(static_cast<uint8_t>(v >> 8));
  }
  return header;
}

CompileResult CompileText(std::string_view text, const CompileRequest& request, IReporter& reporter) {
  return CompileLines(PreparedLines(text), request, reporter);
}

CompileResult CompileLines(const PreparedLines& lines, const CompileRequest& request, IReporter& reporter) {
  CompileResult result;
  const bool normal = request.normal && !request.validateOnly;
  ReaderSettings settings;
  settings.normal = normal;
  settings.splitList = request.splitList;
  settings.maxSatellites = request.maxSatellites;
  ImageBuilder builder(normal);
  TextReader reader(reporter, settings, request.validateOnly ? nullptr : &builder);
  result.ok = reader.Read(lines);
  result.counters = reader.Counters();
  if (!result.ok || request.validateOnly) return result;
  if (normal) {
    result.image = NormalHeader(result.counters);
    result.image.insert(result.image.end(), builder.Bytes().begin(), builder.Bytes().end());
  } else {
    result.image = builder.Bytes();
  }
  return result;
}

std::string ImageToHex(const std::vector<uint8_t>& image, bool normal) {
  HexWriter hex(normal ? kNormalImageAddress : kBasicImageAddress);
  hex.Text().reserve((image.size() / kHexBytesPerLine + 2) * kHexLineChars);
  hex.Put(image);
  hex.Finish(normal);
  return std::move(hex.Text());
}

}  // namespace lumoscope
