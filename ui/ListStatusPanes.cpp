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

}  // namespace lumoscope::ui
