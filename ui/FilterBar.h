#pragma once
// The filter field above the channel list (Ctrl+F): what is typed filters the list at
// once; Esc, or the close button, clears the filter and hides the field.
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace lumoscope::ui {

class FilterBar final : public QWidget {
  Q_OBJECT
 public:
  explicit FilterBar(QWidget* parent = nullptr);

  // Shows the field with its text selected, ready for typing.
  void Open();
  // Clears the text and hides the field.
  void Dismiss();
  QLineEdit* Field() const { return field_; }

 signals:
  // The text as typed, after every change.
  void textChanged(const QString& text);
  // The filter was cleared and the field hidden.
  void dismissed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* field_;
  QToolButton* close_;
};

}  // namespace lumoscope::ui
