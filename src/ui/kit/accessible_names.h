#pragma once
// Names for screen readers. The pages are drawn at fixed places with a label beside or above
// each field, as a sighted user reads them; a control that has no name of its own is named by
// that label, so that every page is named in one pass and a new field is named with its label.

#include <QWidget>
#include <vector>

namespace velka {

// Names each control below `root` that a screen reader announces and that has no name yet: by
// the label on its row just left of it, else by the label just above it. The label's marks ("*"
// before a required title, a colon after it) are left out.
void NameControlsByTheirLabels(QWidget& root);

// The controls below `root` a screen reader announces (buttons, check boxes, radio buttons, text
// fields, spin boxes, combo boxes, lists and tables, not the parts Qt builds inside them) whose
// accessible name is empty.
std::vector<QWidget*> UnnamedControls(QWidget& root);

}  // namespace velka
