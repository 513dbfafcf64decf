#pragma once
// A reporter that records everything the core tells a person, and answers questions
// from a queue (Yes/No/Cancel) so tests can script a user.
#include <deque>
#include <string>
#include <vector>

#include "base/Reporter.h"

namespace lumoscope::test {

class RecordingReporter : public IReporter {
 public:
  struct Question {
    std::string text;
    std::string caption;
    bool withCancel;
  };

  void MessageBox(const std::string& text, const std::string& caption = {}) override {
    boxes.push_back(text);
    boxCaptions.push_back(caption);
  }
  Answer AskYesNo(const std::string& text, const std::string& caption) override {
    questions.push_back({text, caption, false});
    return NextAnswer();
  }
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override {
    questions.push_back({text, caption, true});
    return NextAnswer();
  }
  void ShowMessage(const std::string& text) override { windowTexts.push_back(text); }
  void HideMessageWindow() override { ++hideCount; }
  void SetProgress(int position, int mode) override { progress.push_back({position, mode}); }
  void SetFrameProgress(int position) override { frameProgress.push_back(position); }
  void BeginWait() override { ++waitDepth; }
  void EndWait() override { --waitDepth; }
  void StatusNote(const std::string& text) override { notes.push_back(text); }

  // Answers given to the next questions, in order; No when the queue is empty.
  std::deque<Answer> answers;

  std::vector<std::string> boxes;
  std::vector<std::string> boxCaptions;
  std::vector<Question> questions;
  std::vector<std::string> windowTexts;
  std::vector<std::pair<int, int>> progress;
  std::vector<int> frameProgress;
  std::vector<std::string> notes;
  int hideCount = 0;
  int waitDepth = 0;

  void Clear() { *this = RecordingReporter(); }

 private:
  Answer NextAnswer() {
    if (answers.empty()) return Answer::No;
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
};

}  // namespace lumoscope::test
