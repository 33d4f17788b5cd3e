// The skinned button: which picture shows in which state, the three kinds and the radio group
// rule, a press dragged off the button, a double click.

#include "ui/kit/skin_button.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
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

// What happens to the button before its picture is looked at, and which pictures it lacks.
enum Step { kHovered = 1, kFocused = 2, kPressed = 4, kChecked = 8, kGreyed = 16, kLeft = 32 };
enum Missing { kNoOver = 1, kNoFocusPicture = 2, kNoDown = 4, kNoDisabled = 8, kNoNormal = 16 };

TEST(SkinButton, ShowsThePictureOfItsState) {
    const QColor face = QApplication::palette().color(QPalette::Button);
    struct Case {
        int steps;
        int missing;
        QColor expected;
    };
    const Case cases[] = {
        {0, 0, kNormal},
        {kPressed, 0, kDown},
        {kChecked, 0, kDown},
        {kChecked | kHovered | kFocused, 0, kDown},
        {kHovered, 0, kOver},
        {kHovered | kLeft, 0, kNormal},
        {kHovered, kNoOver, kNormal},
        {kFocused, 0, kFocus},
        {kFocused | kHovered, 0, kOver},
        {kFocused, kNoFocusPicture, kNormal},
        {kFocused | kHovered, kNoOver | kNoFocusPicture, kNormal},
        {kGreyed, 0, kDisabled},
        {kGreyed, kNoDisabled, face},
        {0, kNoNormal, face},
        {kPressed, kNoDown, face},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "steps " << c.steps << " missing " << c.missing);
        ButtonWindow window;
        SkinPictures pictures = AllPictures();
        const std::pair<int, QPixmap*> removable[] = {{kNoOver, &pictures.over},
                                                      {kNoFocusPicture, &pictures.focus},
                                                      {kNoDown, &pictures.down},
                                                      {kNoDisabled, &pictures.disabled},
                                                      {kNoNormal, &pictures.normal}};
        for (const auto& [flag, picture] : removable) {
            if (c.missing & flag) {
                *picture = QPixmap();
            }
        }
        CxSkinButton& button = window.Add(CxSkinButton::Kind::CheckBox, 0, pictures);
        if (c.steps & kFocused) {
            button.setFocus();
            if (!button.hasFocus()) {
                GTEST_SKIP() << "this platform gives the test window no keyboard focus";
            }
        }
        if (c.steps & kHovered) {
            Hover(button);
        }
        if (c.steps & kLeft) {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(&button, &leave);
        }
        button.setDown(c.steps & kPressed);
        button.SetCheck(c.steps & kChecked);
        button.setEnabled(!(c.steps & kGreyed));
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

}  // namespace
}  // namespace velka
