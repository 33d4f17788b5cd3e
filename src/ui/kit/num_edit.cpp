#include "ui/kit/num_edit.h"

#include <QKeyEvent>
#include <QValidator>
#include <limits>

namespace velka {
namespace {

bool IsDecimalDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The digits read as a number; saturates instead of overflowing.
long long DecimalValue(const QString& digits) {
    constexpr long long kSaturated = std::numeric_limits<int>::max() + 1LL;
    long long value = 0;
    for (const QChar c : digits) {
        value = value * 10 + (c.unicode() - u'0');
        if (value >= kSaturated)
            return kSaturated;
    }
    return value;
}

}  // namespace

class CNumEdit::DigitsValidator final : public QValidator {
public:
    using QValidator::QValidator;

    void SetMaximum(long long maximum) { maximum_ = maximum; }
    bool Exceeds(const QString& digits) const { return DecimalValue(digits) > maximum_; }

    // Every change of the text passes here; the edit shows the text as this leaves it.
    State validate(QString& input, int& caret) const override {
        QString digits;
        int digitsBeforeCaret = 0;
        for (qsizetype i = 0; i < input.size(); ++i) {
            if (!IsDecimalDigit(input[i]))
                continue;
            digits.append(input[i]);
            if (i < caret)
                ++digitsBeforeCaret;
        }
        caret = digitsBeforeCaret;
        if (Exceeds(digits)) {
            while (Exceeds(digits))
                digits.chop(1);
            caret = static_cast<int>(digits.size());
        }
        input = digits;
        return Acceptable;
    }

private:
    long long maximum_ = std::numeric_limits<long long>::max();
};

CNumEdit::CNumEdit(QWidget* parent) : QLineEdit(parent), validator_(new DigitsValidator(this)) {
    setValidator(validator_);
}

void CNumEdit::SetMaximum(int maximum) {
    validator_->SetMaximum(maximum);
    // Text already in the field is cut at the new maximum.
    setText(text());
}

int CNumEdit::Value() const {
    return static_cast<int>(DecimalValue(text()));
}

void CNumEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool command =
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    if (event->key() == Qt::Key_Backspace) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (typed.size() == 1 && IsDecimalDigit(typed[0]) && !command) {
        QString next = text();
        int at = cursorPosition();
        if (hasSelectedText()) {
            at = selectionStart();
            next.remove(at, selectedText().size());
        }
        next.insert(at, typed[0]);
        if (validator_->Exceeds(next)) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        QLineEdit::keyPressEvent(event);
        return;
    default:
        break;
    }
    // Any other character is discarded; keys without one (arrows, Home, End) edit as usual.
    if (!typed.isEmpty()) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace velka
