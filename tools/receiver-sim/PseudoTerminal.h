#pragma once
// The simulator's end of a pseudo-terminal pair. The PC side opens the slave device by
// its path like any serial port; the simulator reads and writes the master.
#include <cstddef>
#include <cstdint>
#include <string>

namespace lumoscope::sim {

class PseudoTerminal {
 public:
  PseudoTerminal() = default;
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  // Creates the pair in raw mode. False (with errno set) when the system has none left.
  bool Open();
  void Close();
  const std::string& SlavePath() const { return slavePath_; }

  // True while a program holds the slave side open.
  bool PeerPresent() const;
  // Waits up to waitMs (0: no wait) for bytes and appends what came to `out`. False when
  // none came.
  bool ReadAvailable(std::string& out, int waitMs);
  // Writes everything, waiting while the pseudo-terminal's buffer is full; false when
  // nobody holds the slave side and the bytes could not go.
  bool WriteAll(const uint8_t* data, size_t n);

 private:
  int master_ = -1;
  std::string slavePath_;
};

}  // namespace lumoscope::sim
