#include "ui/kit/application_look.h"

#include "chart/sans_font.h"
#include "services/numeric_locale.h"
#include "ui/kit/skin_bitmaps.h"
#include "ui/kit/ui_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPalette>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <optional>

namespace velka {
namespace {

// The UI font in pixels: measured against the label rectangles of the pages, 11 px Liberation
// Sans holds every label; 12 px Liberation Sans or DejaVu Sans overflow many of them.
constexpr int kUiFontPixels = 11;

// The skin's colours (tools/skin-art/skin_look.h): the accent for selected rows and focused
// fields; dialogs and buttons in the light greys of the parameter page's cards.
const QColor kAccent{0x2c, 0x6f, 0xae};
const QColor kDialog{0xe3, 0xe9, 0xef};
const QColor kButton{0xf3, 0xf6, 0xf9};

// The message boxes' badges drawn by the skin generator, in place of the style's own pictures
// (without a desktop's icon theme Qt falls back to pictures of another era).
std::optional<int> BadgeBitmap(QStyle::StandardPixmap icon) {
    switch (icon) {
    case QStyle::SP_MessageBoxInformation:
        return 180;
    case QStyle::SP_MessageBoxQuestion:
        return 181;
    case QStyle::SP_MessageBoxWarning:
        return 182;
    case QStyle::SP_MessageBoxCritical:
        return 183;
    default:
        return std::nullopt;
    }
}

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

    // Buttons of dialogs carry their word only: no tick or return-arrow picture beside "OK".
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (const std::optional<int> bitmap = BadgeBitmap(icon)) {
            QIcon badge;
            badge.addPixmap(SkinBitmap(*bitmap, 1.0));
            badge.addPixmap(SkinBitmap(*bitmap, 2.0));
            return badge;
        }
        return QProxyStyle::standardIcon(icon, option, widget);
    }

private:
    static constexpr int kLabelSpacingPixels = 4;
};

}  // namespace

QFont ApplicationFont() {
    return SansFont(kUiFontPixels);
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
    palette.setColor(QPalette::Window, kDialog);
    palette.setColor(QPalette::Button, kButton);
    application.setPalette(palette);
    application.setFont(ApplicationFont());
}

void SetStandardButtonTexts(QMessageBox& box) {
    if (QAbstractButton* ok = box.button(QMessageBox::Ok)) {
        ok->setText(TrQ("MessageBox", "OK"));
    }
    if (QAbstractButton* cancel = box.button(QMessageBox::Cancel)) {
        cancel->setText(TrQ("MessageBox", "Cancel"));
    }
    if (QAbstractButton* yes = box.button(QMessageBox::Yes)) {
        yes->setText(TrQ("MessageBox", "Yes"));
    }
    if (QAbstractButton* no = box.button(QMessageBox::No)) {
        no->setText(TrQ("MessageBox", "No"));
    }
}

}  // namespace velka
