// The skinned button: which picture shows in which state, the three kinds and the radio group
// rule, a press dragged off the button, a double click, the caption's press shift.

#include "widgets/skin_button.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace velka {
namespace {

const QColor kNormal(200, 0, 0);
const QColor kDown(0, 200, 0);
const QColor kOver(0, 0, 200);
const QColor kDisabled(200, 200, 0);
const QColor kFocus(0, 200, 200);
const QSize kButtonSize(40, 30);

QPixmap Solid(const QColor& color) {
    QPixmap pixmap(10, 10);  // smaller than the button: pictures are stretched
    pixmap.fill(color);
    return pixmap;
}

SkinPictures AllPictures() {
    return {Solid(kNormal), Solid(kDown), Solid(kOver), Solid(kDisabled), Solid(kFocus)};
}

QColor ShownColor(CxSkinButton& button) {
    const QImage image = button.grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

void SendMouse(QWidget& widget, QEvent::Type type, QPoint pos, Qt::MouseButtons held) {
    const Qt::MouseButton button =
        type == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButton::LeftButton;
    QMouseEvent event(type, pos, widget.mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void Press(QWidget& widget, QPoint pos) {
    SendMouse(widget, QEvent::MouseButtonPress, pos, Qt::LeftButton);
}
void Release(QWidget& widget, QPoint pos) {
    SendMouse(widget, QEvent::MouseButtonRelease, pos, Qt::NoButton);
}
void Click(QWidget& widget) {
    const QPoint centre = widget.rect().center();
    Press(widget, centre);
    Release(widget, centre);
}
void Hover(QWidget& widget) {
    const QPoint centre = widget.rect().center();
    QEnterEvent enter(centre, centre, widget.mapToGlobal(centre));
    QApplication::sendEvent(&widget, &enter);
}

// A window with buttons placed side by side, shown and active, away from where the test
// platform puts the mouse.
class ButtonWindow {
public:
    ButtonWindow() {
        window_.resize(400, 100);
        window_.move(0, 0);
        window_.show();
        window_.activateWindow();
        (void)QTest::qWaitForWindowActive(&window_);
    }
    CxSkinButton& Add(CxSkinButton::Kind kind, int group = 0,
                      SkinPictures pictures = AllPictures()) {
        auto* button = new CxSkinButton(&window_, kind);
        button->SetRadioGroup(group);
        button->ApplySkin(std::move(pictures), false);
        button->setGeometry(QRect(QPoint(60 + 45 * count_++, 40), kButtonSize));
        button->show();
        return *button;
    }

private:
    QWidget window_;
    int count_ = 0;
};

TEST(SkinButton, ShowsThePictureOfItsState) {
    struct Case {
        const char* name;
        CxSkinButton::Kind kind;
        std::function<void(SkinPictures&)> removePictures;
        std::function<void(CxSkinButton&)> act;
        QColor expected;
    };
    const auto keep = [](SkinPictures&) {};
    const Case cases[] = {
        {"at rest", CxSkinButton::Kind::Push, keep, [](CxSkinButton&) {}, kNormal},
        {"pressed", CxSkinButton::Kind::Push, keep, [](CxSkinButton& b) { b.setDown(true); },
         kDown},
        {"checked radio", CxSkinButton::Kind::Radio, keep,
         [](CxSkinButton& b) { b.SetCheck(true); }, kDown},
        {"checked beats hover", CxSkinButton::Kind::CheckBox, keep,
         [](CxSkinButton& b) {
             b.SetCheck(true);
             Hover(b);
         },
         kDown},
        {"hovered", CxSkinButton::Kind::Push, keep, Hover, kOver},
        {"hovered, no over picture", CxSkinButton::Kind::Push, [](SkinPictures& p) { p.over = {}; },
         Hover, kNormal},
        {"hover ends when the mouse leaves", CxSkinButton::Kind::Push, keep,
         [](CxSkinButton& b) {
             Hover(b);
             QEvent leave(QEvent::Leave);
             QApplication::sendEvent(&b, &leave);
         },
         kNormal},
        {"disabled", CxSkinButton::Kind::Push, keep, [](CxSkinButton& b) { b.setEnabled(false); },
         kDisabled},
        {"disabled, no disabled picture", CxSkinButton::Kind::Push,
         [](SkinPictures& p) { p.disabled = {}; }, [](CxSkinButton& b) { b.setEnabled(false); },
         QApplication::palette().color(QPalette::Button)},
        {"no normal picture", CxSkinButton::Kind::Push, [](SkinPictures& p) { p.normal = {}; },
         [](CxSkinButton&) {}, QApplication::palette().color(QPalette::Button)},
        {"pressed, no down picture", CxSkinButton::Kind::Push, [](SkinPictures& p) { p.down = {}; },
         [](CxSkinButton& b) { b.setDown(true); }, QApplication::palette().color(QPalette::Button)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonWindow window;
        SkinPictures pictures = AllPictures();
        c.removePictures(pictures);
        CxSkinButton& button = window.Add(c.kind, 0, pictures);
        c.act(button);
        EXPECT_EQ(ShownColor(button), c.expected);
    }
}

TEST(SkinButton, ShowsTheFocusPictureWhileFocused) {
    struct Case {
        const char* name;
        std::function<void(SkinPictures&)> removePictures;
        bool hovered;
        QColor expected;
    };
    const Case cases[] = {
        {"focused", [](SkinPictures&) {}, false, kFocus},
        {"focused and hovered", [](SkinPictures&) {}, true, kOver},
        {"no focus picture", [](SkinPictures& p) { p.focus = {}; }, false, kNormal},
        {"neither over nor focus picture", [](SkinPictures& p) { p.over = p.focus = {}; }, true,
         kNormal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonWindow window;
        SkinPictures pictures = AllPictures();
        c.removePictures(pictures);
        CxSkinButton& button = window.Add(CxSkinButton::Kind::Push, 0, pictures);
        button.setFocus();
        if (!button.hasFocus()) {
            GTEST_SKIP() << "this platform gives the test window no keyboard focus";
        }
        if (c.hovered) {
            Hover(button);
        }
        EXPECT_EQ(ShownColor(button), c.expected);
    }
}

TEST(SkinButton, KindsAnswerClicksAndCheckRequests) {
    struct Case {
        CxSkinButton::Kind kind;
        bool afterSetCheck;
        bool afterOneClick;
        bool afterTwoClicks;
    };
    const Case cases[] = {
        {CxSkinButton::Kind::Push, false, false, false},  // never checked
        {CxSkinButton::Kind::CheckBox, true, true, false},
        {CxSkinButton::Kind::Radio, true, true, true},  // clicking it again keeps it checked
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        ButtonWindow window;
        CxSkinButton& button = window.Add(c.kind);
        QSignalSpy clicks(&button, &QAbstractButton::clicked);
        button.SetCheck(true);
        EXPECT_EQ(button.GetCheck(), c.afterSetCheck);
        button.SetCheck(false);
        Click(button);
        EXPECT_EQ(button.GetCheck(), c.afterOneClick);
        Click(button);
        EXPECT_EQ(button.GetCheck(), c.afterTwoClicks);
        EXPECT_EQ(clicks.count(), 2);
    }
}

TEST(SkinButton, CheckingARadioButtonUnchecksOnlyItsOwnGroup) {
    ButtonWindow window;
    CxSkinButton& first = window.Add(CxSkinButton::Kind::Radio, 1);
    CxSkinButton& second = window.Add(CxSkinButton::Kind::Radio, 1);
    CxSkinButton& third = window.Add(CxSkinButton::Kind::Radio, 1);
    CxSkinButton& otherGroup = window.Add(CxSkinButton::Kind::Radio, 2);
    CxSkinButton& checkBox = window.Add(CxSkinButton::Kind::CheckBox, 1);
    first.SetCheck(true);
    otherGroup.SetCheck(true);
    checkBox.SetCheck(true);

    bool firstCheckedAtClick = true;
    QObject::connect(&second, &QAbstractButton::clicked,
                     [&] { firstCheckedAtClick = first.GetCheck(); });
    Click(second);
    EXPECT_TRUE(second.GetCheck());
    EXPECT_FALSE(first.GetCheck());
    EXPECT_FALSE(firstCheckedAtClick) << "the group is settled before the click is reported";
    EXPECT_FALSE(third.GetCheck());
    EXPECT_TRUE(otherGroup.GetCheck());
    EXPECT_TRUE(checkBox.GetCheck()) << "buttons of other kinds ignore the group";

    third.SetCheck(true);
    EXPECT_FALSE(second.GetCheck());
    // The window may clear the whole group, as when it shows the chart page itself.
    third.SetCheck(false);
    EXPECT_FALSE(first.GetCheck() || second.GetCheck() || third.GetCheck());
}

TEST(SkinButton, APressDraggedOffAndReleasedOutsideDoesNothing) {
    for (const CxSkinButton::Kind kind :
         {CxSkinButton::Kind::Push, CxSkinButton::Kind::CheckBox, CxSkinButton::Kind::Radio}) {
        SCOPED_TRACE(static_cast<int>(kind));
        ButtonWindow window;
        CxSkinButton& button = window.Add(kind);
        QSignalSpy clicks(&button, &QAbstractButton::clicked);
        const QPoint outside(kButtonSize.width() + 20, kButtonSize.height() / 2);

        Hover(button);
        Press(button, button.rect().center());
        EXPECT_EQ(ShownColor(button), kDown);
        SendMouse(button, QEvent::MouseMove, outside, Qt::LeftButton);
        EXPECT_EQ(ShownColor(button), kNormal);
        Release(button, outside);
        EXPECT_EQ(ShownColor(button), kNormal);
        EXPECT_EQ(clicks.count(), 0);
        EXPECT_FALSE(button.GetCheck());
    }
}

TEST(SkinButton, ADoubleClickCountsAsTwoClicks) {
    // Qt delivers the second press before the double click; some window systems send only
    // the double click.
    struct Case {
        const char* name;
        bool secondPressDelivered;
    };
    for (const Case c : {Case{"press and double click", true}, Case{"double click only", false}}) {
        SCOPED_TRACE(c.name);
        ButtonWindow window;
        CxSkinButton& button = window.Add(CxSkinButton::Kind::CheckBox);
        QSignalSpy clicks(&button, &QAbstractButton::clicked);
        const QPoint centre = button.rect().center();
        Press(button, centre);
        Release(button, centre);
        if (c.secondPressDelivered) {
            Press(button, centre);
        }
        SendMouse(button, QEvent::MouseButtonDblClick, centre, Qt::LeftButton);
        Release(button, centre);
        EXPECT_EQ(clicks.count(), 2);
        EXPECT_FALSE(button.GetCheck()) << "a check box toggled twice";
    }
}

// The left edge of the caption's dark pixels.
QPoint CaptionTopLeft(CxSkinButton& button) {
    const QImage image = button.grab().toImage();
    QPoint topLeft(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 100) {
                topLeft.setX(std::min(topLeft.x(), x));
                topLeft.setY(std::min(topLeft.y(), y));
            }
        }
    }
    return topLeft;
}

TEST(SkinButton, PressShiftMovesTheCaptionWhilePressed) {
    for (const bool pressShift : {true, false}) {
        SCOPED_TRACE(pressShift);
        ButtonWindow window;
        CxSkinButton& button = window.Add(CxSkinButton::Kind::Push);
        const QPixmap white = Solid(Qt::white);
        button.ApplySkin({white, white, white, white, white}, pressShift);
        button.SetCaptionColor(Qt::black);
        button.setText(QStringLiteral("I"));
        const QPoint atRest = CaptionTopLeft(button);
        button.setDown(true);
        const QPoint pressed = CaptionTopLeft(button);
        ASSERT_LT(atRest.x(), kButtonSize.width());
        EXPECT_EQ(pressed - atRest, pressShift ? QPoint(1, 1) : QPoint(0, 0));
    }
}

}  // namespace
}  // namespace velka
