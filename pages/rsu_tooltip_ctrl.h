// Tool tips of a page or dialog: each control gets a string of the language module as tool tip.
#pragma once

class QWidget;

namespace orvane {

// Registers (control, string ID) pairs. The string becomes the control's tool tip and accessible
// description; a control without an accessible name takes the tool tip as its name.
class CRSUToolTipCtrl {
  public:
    void AddTool(QWidget* control, int string_id);
};

}  // namespace orvane
