#pragma once
// Everything the core needs to tell a person, or ask one, goes through this interface.
// The desktop implements it with message boxes, the message window and progress bars;
// the command line prints; tests record.
#include <string>
#include <string_view>

namespace lumoscope {

// Texts of the message window protocol: Show message with one of these acts on the
// window instead of appending the text.
inline constexpr std::string_view kClearAllMessage = "CLEAR ALL MESSAGE";
inline constexpr std::string_view kShowMessageWindow = "SHOW MESSAGE WINDOW";
inline constexpr std::string_view kHideMessageWindow = "HIDE MESSAGE WINDOW";

// Set progress: mode 1 creates (on first use) and sets the transfer progress bar;
// any other mode removes it.
inline constexpr int kProgressShow = 1;
inline constexpr int kProgressRemove = 2;

enum class Answer { Yes, No, Cancel };

class IReporter {
 public:
  virtual ~IReporter() = default;

  // A message box with the OK button only.
  virtual void MessageBox(const std::string& text, const std::string& caption = {}) = 0;
  // The same for a message about line `line` of a text file (counted from 1): the text is
  // shown as it is; the line lets a folding reporter say which lines a repeated message
  // concerns.
  virtual void MessageBoxAtLine(int /*line*/, const std::string& text, const std::string& caption = {}) {
    MessageBox(text, caption);
  }
  // Questions: Yes/No and Yes/No/Cancel message boxes.
  virtual Answer AskYesNo(const std::string& text, const std::string& caption) = 0;
  virtual Answer AskYesNoCancel(const std::string& text, const std::string& caption) = 0;

  // The message window: appends the text, or applies one of the protocol texts above.
  virtual void ShowMessage(const std::string& text) = 0;
  virtual void HideMessageWindow() = 0;

  // The transfer progress bar (see kProgressShow / kProgressRemove).
  virtual void SetProgress(int position, int mode) = 0;
  // The frame's own progress bar, 0 to 100, and an immediate repaint of the status bar.
  virtual void SetFrameProgress(int position) = 0;
  virtual void RepaintStatusBar() {}

  // Wait cursor around long work; no-op where there is no pointer. Nested calls pair
  // up; use WaitGuard rather than calling these directly.
  virtual void BeginWait() {}
  virtual void EndWait() {}

  // A short note in the status bar that needs no answer; dropped where there is none.
  virtual void StatusNote(const std::string& /*text*/) {}

  // One operation of the person's (a command) begins and ends; nested calls pair up. A
  // reporter may gather what the operation says meanwhile (see FoldingReporter). Use
  // OperationScope rather than calling these directly.
  virtual void BeginOperation() {}
  virtual void EndOperation() {}
};

// Marks one operation for its whole scope.
class OperationScope {
 public:
  explicit OperationScope(IReporter& reporter) : reporter_(reporter) { reporter_.BeginOperation(); }
  ~OperationScope() { reporter_.EndOperation(); }
  OperationScope(const OperationScope&) = delete;
  OperationScope& operator=(const OperationScope&) = delete;

 private:
  IReporter& reporter_;
};

// Shows the wait pointer from its construction until End() or the end of its scope,
// whichever comes first, so every way out of a long operation restores the pointer.
class WaitGuard {
 public:
  explicit WaitGuard(IReporter& reporter) : reporter_(&reporter) { reporter_->BeginWait(); }
  ~WaitGuard() { End(); }
  WaitGuard(const WaitGuard&) = delete;
  WaitGuard& operator=(const WaitGuard&) = delete;

  void End() {
    if (reporter_ != nullptr) reporter_->EndWait();
    reporter_ = nullptr;
  }

 private:
  IReporter* reporter_;
};

// printf-style formatting of the program's message texts ("line number %d" and friends).
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

}  // namespace lumoscope
