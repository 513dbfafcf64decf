#include "ui/FilterBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

namespace lumoscope::ui {
namespace {

// The room around the field, in pixels: it sits in a strip of its own above the list.
constexpr int kMargin = 4;

}  // namespace

FilterBar::FilterBar(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  auto* label = new QLabel(QStringLiteral("&Filter:"), this);
  field_ = new QLineEdit(this);
  field_->setObjectName(QStringLiteral("FilterField"));
  field_->setPlaceholderText(QStringLiteral("Number, name, SVC ID, frequency, bouquet or satellite"));
  field_->setClearButtonEnabled(true);
  field_->installEventFilter(this);
  label->setBuddy(field_);
  close_ = new QToolButton(this);
  close_->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  close_->setToolTip(QStringLiteral("Clear the filter and hide it (Esc)"));
  close_->setAutoRaise(true);
  layout->addWidget(label);
  layout->addWidget(field_, 1);
  layout->addWidget(close_);
  connect(field_, &QLineEdit::textChanged, this, &FilterBar::textChanged);
  connect(close_, &QToolButton::clicked, this, &FilterBar::Dismiss);
  hide();
}

void FilterBar::Open() {
  show();
  field_->setFocus(Qt::ShortcutFocusReason);
  field_->selectAll();
}

void FilterBar::Dismiss() {
  field_->clear();
  hide();
  emit dismissed();
}

bool FilterBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == field_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    Dismiss();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace lumoscope::ui
