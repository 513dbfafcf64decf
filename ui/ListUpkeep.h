#pragma once
// The window's commands that keep a list in shape: ordering it like a reference (another
// list, or a file of channel names), tidying it up, and comparing it with another list or
// with the list the receiver holds (also offered after Download Current Channellist).
// They sit at the end of the Edit menu; the work itself is the core's.
#include <string>

#include "listview/ListView.h"
#include "ui/CommandGroup.h"

namespace lumoscope::ui {

namespace upkeepcmd {
inline constexpr int kOrderLike = 32890;
inline constexpr int kTidyUp = 32891;
inline constexpr int kCompareWith = 32892;
inline constexpr int kCompareWithReceiver = 32893;
}  // namespace upkeepcmd

// Asked before the receiver's list is uploaded for a comparison: by the command, and after
// Download Current Channellist. %s: what Upload asks of the receiver, its prompt.
inline constexpr const char* kReceiverReadyQuestion =
    "The receiver's list is uploaded for the comparison, so the receiver must be ready as for "
    "Upload:\n\n%s\n\nIs it ready?";
inline constexpr const char* kAfterDownloadQuestion =
    "The list is in the receiver. To see that the receiver holds it, switch the receiver off and on and "
    "wait until it is ready as for Upload:\n\n%s\n\nThen choose Yes to compare its list with this one.";
inline constexpr const char* kReceiverCaption = "Compare With Receiver";
// One of the questions above with Upload's prompt in its place.
std::string WithUploadPrompt(const char* question);

class ListUpkeep : public CommandGroup {
  Q_OBJECT
 public:
  ListUpkeep(CMainFrame& frame, CLumoscopeListView& view);

  // Each needs a list.
  bool IsEnabled(int id) const override;
  void Execute(int id) override;

  // The four commands at the end of the Edit menu.
  void AddMenus(QMenuBar& bar) override;

 private:
  void OrderLike();
  void TidyUp();
  void CompareWith();
  // Asks the person to get the receiver ready for the upload first.
  void CompareWithReceiver();
  // After a download: once the receiver was switched off and on.
  void OfferReceiverComparison();
  void ShowReceiverComparison();
  std::string ListFolder() const;

  CLumoscopeListView& view_;
};

}  // namespace lumoscope::ui
