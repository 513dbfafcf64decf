#pragma once
// The window's way to stop a transfer: a Cancel button in the status bar and the Esc key.
// A transfer holds the program; while it waits it asks Poll(), which lets the window
// handle its events, so the button and the key are seen. Meanwhile every other input
// to the window is dropped (a message box the transfer shows still takes its own), so
// no other command can start in the middle of a transfer.
#include <QObject>

#include "transfer/SerialLink.h"

class QPushButton;
class QStatusBar;

namespace lumoscope::ui {

class TransferStopper final : public QObject, public ITransferCancel {
  Q_OBJECT
 public:
  explicit TransferStopper(QStatusBar& bar);
  ~TransferStopper() override;

  void Begin() override;
  void End() override;
  bool Poll() override;
  bool Requested() const override { return requested_; }

  // What the button and Esc do.
  void RequestStop();
  // Shown while a transfer runs.
  QPushButton* CancelButton() const { return button_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPushButton* button_;
  bool active_ = false;
  bool requested_ = false;
};

}  // namespace lumoscope::ui
