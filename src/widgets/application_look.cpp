#include "widgets/application_look.h"

#include "services/numeric_locale.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPalette>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>

namespace velka {
namespace {

// The UI font in pixels: measured against the label rectangles of the pages, 11 px Liberation
// Sans holds every label; 12 px Liberation Sans or DejaVu Sans overflow many of them.
constexpr int kUiFontPixels = 11;

// The skin's accent (tools/skin-art), for selected rows and focused fields.
const QColor kAccent{0x2c, 0x6f, 0xae};

// Fusion with the narrow gap between a radio button's (or check box's) mark and its text that
// the pages' rectangles were laid out for: Fusion's own 6 pixels cut the last letters of
// "Date Of Delivery" in its 100-pixel radio button.
class VelkaStyle : public QProxyStyle {
public:
    VelkaStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_RadioButtonLabelSpacing || metric == PM_CheckBoxLabelSpacing) {
            return kLabelSpacingPixels;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    static constexpr int kLabelSpacingPixels = 4;
};

}  // namespace

QFont ApplicationFont() {
    QFont font;
    // Liberation Sans or its metric twins first; Latin texts never fall through to a wider
    // face. The CJK faces come in for the glyphs the first ones lack ("温度记录").
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Arial"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Zen Hei")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kUiFontPixels);
    return font;
}

void ApplyApplicationLook(QApplication& application) {
    RestoreCNumericLocale();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    application.setLayoutDirection(Qt::LeftToRight);

    // Fusion draws the same on every desktop; native styles pad controls differently and
    // would push texts out of the fixed rectangles.
    application.setStyle(new VelkaStyle);
    QPalette palette = application.style()->standardPalette();
    palette.setColor(QPalette::Highlight, kAccent);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    application.setPalette(palette);
    application.setFont(ApplicationFont());
}

void SetStandardButtonTexts(QMessageBox& box) {
    if (QAbstractButton* ok = box.button(QMessageBox::Ok)) {
        ok->setText(QStringLiteral("OK"));
    }
    if (QAbstractButton* cancel = box.button(QMessageBox::Cancel)) {
        cancel->setText(QStringLiteral("Cancel"));
    }
    if (QAbstractButton* yes = box.button(QMessageBox::Yes)) {
        yes->setText(QStringLiteral("Yes"));
    }
    if (QAbstractButton* no = box.button(QMessageBox::No)) {
        no->setText(QStringLiteral("No"));
    }
}

}  // namespace velka
