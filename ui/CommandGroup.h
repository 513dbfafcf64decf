#pragma once
// A group of the window's own commands, beyond those of the list view and the document:
// their identifiers, menu texts and prompts, and what they do. The group makes their
// actions on the frame; the window routes their identifiers to it.
#include <QObject>
#include <span>

#include "ui/MainFrame.h"

class QMenuBar;

namespace lumoscope::ui {

class CommandGroup : public QObject {
  Q_OBJECT
 public:
  struct Item {
    int id;
    const char* text;    // menu text, with its & key
    const char* prompt;  // status bar text and tool tip
  };

  bool Handles(int id) const;
  virtual bool IsEnabled(int id) const = 0;
  virtual void Execute(int id) = 0;
  // Puts the group's commands into the window's menus.
  virtual void AddMenus(QMenuBar& bar) = 0;

 protected:
  CommandGroup(CMainFrame& frame, std::span<const Item> items);

  CMainFrame& frame_;

 private:
  std::span<const Item> items_;
};

}  // namespace lumoscope::ui
