#include "ui/TidyDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/ChannelListModel.h"

namespace lumoscope::ui {

namespace {

// Room for a dozen lines of what will go before the text scrolls.
constexpr int kPreviewMinimumWidth = 560;
constexpr int kPreviewMinimumHeight = 220;

QCheckBox* ChoiceBox(const QString& text, size_t count, bool checked, QWidget* parent) {
  auto* box = new QCheckBox(text.arg(count), parent);
  box->setEnabled(count > 0);
  box->setChecked(checked && count > 0);
  return box;
}

QString Lines(const std::vector<std::string>& lines) {
  QString text;
  for (const std::string& line : lines) text += CellText(line) + QLatin1Char('\n');
  return text;
}

}  // namespace

TidyDialog::TidyDialog(const std::vector<std::string>& fields, const ListFindings& findings,
                       const NameCodec& names, QWidget* parent)
    : QDialog(parent), fields_(fields), names_(names) {
  setWindowTitle(QStringLiteral("Tidy Up"));
  auto* layout = new QVBoxLayout(this);
  auto* intro = new QLabel(
      QStringLiteral("Choose what to remove. Nothing changes until you press Remove, and one Undo takes it "
                     "all back. Transponders and satellites keep their indices."),
      this);
  intro->setWordWrap(true);
  layout->addWidget(intro);
  duplicates_ = ChoiceBox(QStringLiteral("Duplicates: channels the list has twice (%1); the first one stays"),
                          findings.duplicates.size(), true, this);
  unusedTransponders_ = ChoiceBox(QStringLiteral("Transponders no channel uses (%1)"),
                                  findings.unusedTransponders.size(), false, this);
  nullChannels_ = ChoiceBox(
      QStringLiteral("Null channels (%1): places kept in the numbering; the channels after them move up"),
      findings.nullChannels.size() + findings.nullAnalogChannels.size(), false, this);
  for (QCheckBox* box : {duplicates_, unusedTransponders_, nullChannels_}) {
    layout->addWidget(box);
    connect(box, &QCheckBox::toggled, this, &TidyDialog::UpdatePlan);
  }

  layout->addWidget(new QLabel(QStringLiteral("What will go:"), this));
  preview_ = new QPlainTextEdit(this);
  preview_->setReadOnly(true);
  preview_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  preview_->setMinimumSize(kPreviewMinimumWidth, kPreviewMinimumHeight);
  layout->addWidget(preview_);

  if (!findings.sameNames.empty()) {
    layout->addWidget(
        new QLabel(QStringLiteral("Channels of one transponder with the same name (not removed; they may be "
                                  "regional variants):"),
                   this));
    auto* same = new QPlainTextEdit(Lines(findings.sameNames), this);
    same->setReadOnly(true);
    same->setFont(preview_->font());
    layout->addWidget(same);
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  remove_ = buttons->addButton(QStringLiteral("&Remove"), QDialogButtonBox::AcceptRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  UpdatePlan();
}

void TidyDialog::UpdatePlan() {
  plan_ = PlanTidy(fields_,
                   {duplicates_->isChecked(), unusedTransponders_->isChecked(), nullChannels_->isChecked()},
                   names_);
  std::vector<std::string> lines;
  for (const auto& r : plan_.channels) lines.push_back(r.line);
  for (const auto& r : plan_.transponders) lines.push_back(r.line);
  preview_->setPlainText(lines.empty() ? QStringLiteral("Nothing is chosen.") : Lines(lines));
  remove_->setEnabled(!plan_.Empty());
}

}  // namespace lumoscope::ui
