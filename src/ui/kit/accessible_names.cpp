#include "ui/kit/accessible_names.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <limits>

namespace velka {
namespace {

// How far a label may stand from its control: beside it on its row, or above it.
constexpr int kLeftGap = 40;
constexpr int kAboveGap = 24;

bool Announced(const QWidget* widget) {
    // The parts of a spin box, a combo box or a table are read with it.
    const QWidget* parent = widget->parentWidget();
    if (qobject_cast<const QAbstractSpinBox*>(parent) != nullptr ||
        qobject_cast<const QComboBox*>(parent) != nullptr ||
        qobject_cast<const QAbstractItemView*>(parent) != nullptr ||
        qobject_cast<const QHeaderView*>(widget) != nullptr ||
        widget->inherits("QTableCornerButton"))
        return false;
    return qobject_cast<const QAbstractButton*>(widget) != nullptr ||
           qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractItemView*>(widget) != nullptr;
}

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(QAccessible::Name).trimmed() : QString();
}

QString TitleOf(const QLabel& label) {
    QString text = label.text().trimmed();
    if (text.startsWith(QLatin1Char('*')))
        text.remove(0, 1);
    while (text.endsWith(QChar(0xFF1A)) || text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

// The label on the control's row that ends closest before it, else the one just above it.
const QLabel* LabelOf(const QWidget& control) {
    const QRect place = control.geometry();
    const QLabel* best = nullptr;
    int bestDistance = std::numeric_limits<int>::max();
    bool beside = false;
    for (const QLabel* label :
         control.parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (TitleOf(*label).isEmpty())
            continue;
        const QRect at = label->geometry();
        const bool onRow = std::abs(at.center().y() - place.center().y()) <=
                           std::max(at.height(), place.height()) / 2;
        const int leftDistance = place.left() - at.right();
        if (onRow && leftDistance >= -4 && leftDistance <= kLeftGap) {
            if (!beside || leftDistance < bestDistance) {
                best = label;
                bestDistance = leftDistance;
                beside = true;
            }
            continue;
        }
        const int aboveDistance = place.top() - at.bottom();
        const bool overlaps = at.left() < place.right() && at.right() > place.left();
        if (!beside && overlaps && aboveDistance >= -2 && aboveDistance <= kAboveGap &&
            aboveDistance < bestDistance) {
            best = label;
            bestDistance = aboveDistance;
        }
    }
    return best;
}

}  // namespace

void NameControlsByTheirLabels(QWidget& root) {
    for (QWidget* control : root.findChildren<QWidget*>()) {
        // A button's caption is its name; a field's text or a combo box's choice is not.
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        if (!Announced(control) || !control->accessibleName().isEmpty() ||
            (button != nullptr && !button->text().isEmpty()) || control->parentWidget() == nullptr)
            continue;
        if (const QLabel* label = LabelOf(*control))
            control->setAccessibleName(TitleOf(*label));
    }
    // A combo box's list of choices is announced when it opens, by the combo box's name.
    for (QComboBox* combo : root.findChildren<QComboBox*>()) {
        if (combo->view()->accessibleName().isEmpty())
            combo->view()->setAccessibleName(combo->accessibleName());
    }
}

std::vector<QWidget*> UnnamedControls(QWidget& root) {
    std::vector<QWidget*> unnamed;
    for (QWidget* control : root.findChildren<QWidget*>()) {
        if (Announced(control) && AccessibleName(control).isEmpty())
            unnamed.push_back(control);
    }
    return unnamed;
}

}  // namespace velka
