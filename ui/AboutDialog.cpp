#include "ui/AboutDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/AboutTexts.h"

namespace lumoscope::ui {
namespace {

// Room for the history's longest line without a horizontal scroll bar, in pixels.
constexpr int kHistoryMinWidth = 680;
constexpr int kHistoryMinHeight = 300;

QLineEdit* ReadOnlyField(const char* text, QWidget* parent) {
  auto* field = new QLineEdit(QString::fromLatin1(text), parent);
  field->setReadOnly(true);
  field->setFrame(false);
  return field;
}

}  // namespace

QString DisplayText(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromLatin1(kAboutTitle));

  auto* label = new QLabel(DisplayText(kAboutVersionLabel), this);
  label->setObjectName(QStringLiteral("versionLabel"));
  version_ = ReadOnlyField(kAboutVersion, this);
  date_ = ReadOnlyField(kAboutDate, this);

  auto* facts = new QGridLayout;
  facts->addWidget(label, 0, 0, 3, 1);
  facts->addWidget(version_, 0, 1);
  facts->addWidget(date_, 2, 1);
  facts->setColumnStretch(1, 1);

  history_ = new QPlainTextEdit(this);
  history_->setReadOnly(true);
  history_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  history_->setPlainText(DisplayText(AboutHistory()));
  history_->setMinimumSize(kHistoryMinWidth, kHistoryMinHeight);

  auto* ok = new QPushButton(QString::fromLatin1(kAboutOkButton), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(facts);
  layout->addWidget(new QLabel(QString::fromLatin1(kAboutNotSupported), this));
  layout->addWidget(new QLabel(QString::fromLatin1(kAboutHistoryLabel), this));
  layout->addWidget(history_, 1);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
}

}  // namespace lumoscope::ui
