#pragma once
// The about box: version, date of the last change, what this edition leaves out and
// the version history.
#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace lumoscope::ui {

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent = nullptr);

  QLineEdit* VersionField() const { return version_; }
  QLineEdit* DateField() const { return date_; }
  QPlainTextEdit* HistoryField() const { return history_; }

 private:
  QLineEdit* version_;
  QLineEdit* date_;
  QPlainTextEdit* history_;
};

// The history as the text box shows it: one line break per line.
QString DisplayText(const std::string& text);

}  // namespace lumoscope::ui
