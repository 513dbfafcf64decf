#include "ui/ListStatusPanes.h"

#include <QLabel>
#include <QStatusBar>

namespace lumoscope::ui {

ListStatusPanes::ListStatusPanes(QStatusBar& bar, int at) {
  const auto pane = [&bar, &at](const char* name) {
    auto* label = new QLabel(&bar);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameShape(QFrame::StyledPanel);
    bar.insertPermanentWidget(at++, label);
    label->hide();
    return label;
  };
  shown_ = pane("ShownRows");
  kinds_ = pane("ChannelKinds");
  selection_ = pane("SelectedRows");
  fill_ = pane("ReceiverFill");
}

void ListStatusPanes::Show(const ListCounts& counts) {
  const auto set = [](QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(text));
    label->setVisible(!text.empty());
  };
  set(shown_, ShownText(counts));
  set(kinds_, KindsText(counts));
  set(selection_, SelectionText(counts));
}

void ListStatusPanes::ShowFill(const ListFill* fill) {
  fill_->setVisible(fill != nullptr);
  if (fill == nullptr) return;
  fill_->setText(QString::fromStdString(FillStatusText(*fill)));
  // Dark red reads as a warning on the light and the dark status bars alike.
  fill_->setStyleSheet(fill->Fits() ? QString()
                                    : QStringLiteral("QLabel { color: #c00000; font-weight: bold; }"));
  QStringList figures;
  for (const FillFigure& figure : fill->Figures()) figures << QString::fromStdString(FigureText(figure));
  fill_->setToolTip(figures.join(QLatin1Char('\n')));
}

}  // namespace lumoscope::ui
