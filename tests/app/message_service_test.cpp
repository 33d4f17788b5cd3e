// The window's message boxes: caption, icon, buttons and the answer the user gives, and the
// plug-in notices that close by themselves.

#include "app/qt_message_service.h"
#include "ui/kit/skin_bitmaps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace velka {
namespace {

TEST(QtMessageService, BoxesShowTheirCaptionIconAndButtonsAndReturnTheAnswer) {
    // PressReturn answers with the default button.
    enum class Act { ClickOk, ClickCancel, PressEscape, PressReturn };
    struct Case {
        MessageIcon icon;
        MessageButtons buttons;
        Act act;
        const char* caption;
        QMessageBox::Icon expectedIcon;
        QStringList expectedButtons;
        MessageAnswer expected;
    };
    const Case cases[] = {
        {MessageIcon::Information,
         MessageButtons::Ok,
         Act::ClickOk,
         "Info",
         QMessageBox::Information,
         {"OK"},
         MessageAnswer::Ok},
        {MessageIcon::Information,
         MessageButtons::Ok,
         Act::PressEscape,
         "Info",
         QMessageBox::Information,
         {"OK"},
         MessageAnswer::Ok},
        {MessageIcon::Warning,
         MessageButtons::OkCancel,
         Act::ClickOk,
         "Warning",
         QMessageBox::Warning,
         {"OK", "Cancel"},
         MessageAnswer::Ok},
        {MessageIcon::Warning,
         MessageButtons::OkCancel,
         Act::ClickCancel,
         "Warning",
         QMessageBox::Warning,
         {"OK", "Cancel"},
         MessageAnswer::Cancel},
        {MessageIcon::Error,
         MessageButtons::OkCancel,
         Act::PressEscape,
         "Error",
         QMessageBox::Critical,
         {"OK", "Cancel"},
         MessageAnswer::Cancel},
        // A question before something is lost never makes the loss the default.
        {MessageIcon::Warning,
         MessageButtons::OkCancel,
         Act::PressReturn,
         "Warning",
         QMessageBox::Warning,
         {"OK", "Cancel"},
         MessageAnswer::Cancel},
        {MessageIcon::Warning,
         MessageButtons::YesNo,
         Act::PressReturn,
         "Warning",
         QMessageBox::Warning,
         {"Yes", "No"},
         MessageAnswer::No},
        {MessageIcon::Information,
         MessageButtons::Ok,
         Act::PressReturn,
         "Info",
         QMessageBox::Information,
         {"OK"},
         MessageAnswer::Ok},
    };
    QWidget window;
    QtMessageService messages(&window);
    for (const Case& c : cases) {
        const std::string label = c.caption + std::to_string(static_cast<int>(c.act));
        messages.SetBoxShownHook([&](QMessageBox& box) {
            EXPECT_EQ(box.windowTitle(), c.caption) << label;
            EXPECT_EQ(box.text(), "Empty All Data?") << label;
            EXPECT_EQ(box.icon(), c.expectedIcon) << label;
            EXPECT_EQ(box.parentWidget(), &window) << label;
            // The skin's badge for the icon, and buttons with their word only.
            const int badge = c.expectedIcon == QMessageBox::Information ? 180
                              : c.expectedIcon == QMessageBox::Warning   ? 182
                                                                         : 183;
            EXPECT_EQ(box.iconPixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                      SkinBitmap(badge, 1.0).toImage().convertToFormat(QImage::Format_ARGB32))
                << label;
            QStringList texts;
            for (QAbstractButton* button : box.buttons()) {
                texts.append(button->text());
                EXPECT_TRUE(button->icon().isNull()) << label;
            }
            texts.sort(Qt::CaseInsensitive);
            QStringList expectedTexts = c.expectedButtons;
            expectedTexts.sort(Qt::CaseInsensitive);
            EXPECT_EQ(texts, expectedTexts) << label;
            if (c.act == Act::ClickOk)
                box.button(QMessageBox::Ok)->click();
            else if (c.act == Act::ClickCancel)
                box.button(QMessageBox::Cancel)->click();
            else if (c.act == Act::PressReturn)
                box.defaultButton()->click();
            else
                QTest::keyClick(&box, Qt::Key_Escape);
        });
        EXPECT_EQ(messages.ShowMessage("Empty All Data?", c.icon, c.buttons), c.expected) << label;
    }
}

TEST(QtMessageService, NoticesCloseAfterTheirTimeoutOrWhenTheUserClosesThem) {
    QtMessageService messages;
    QString caption;
    bool userCloses = false;
    messages.SetBoxShownHook([&](QMessageBox& box) {
        caption = box.windowTitle();
        EXPECT_EQ(box.icon(), QMessageBox::Information);
        if (userCloses)
            box.button(QMessageBox::Ok)->click();
    });
    // Nobody touches the first: only its own timer can end it (the guard would end it late).
    bool guardFired = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        guardFired = true;
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    guard.start(10000);
    messages.ShowTimedNotice("Detection of device insertion, data reading...", "Data reading", 30);
    EXPECT_FALSE(guardFired);
    EXPECT_EQ(caption, "Data reading");

    userCloses = true;
    QElapsedTimer elapsed;
    elapsed.start();
    messages.ShowTimedNotice("Detection of device insertion, Data read completed",
                             "Data read completed", 60000);
    EXPECT_EQ(caption, "Data read completed");
    EXPECT_LT(elapsed.elapsed(), 9000);
    EXPECT_FALSE(guardFired);
}

TEST(QtMessageService, AStartedNoticeIsOnScreenWhileTheWorkRunsAndTheNextBoxWaitsForIt) {
    QWidget window;
    QtMessageService messages(&window);
    messages.StartTimedNotice("Detection of device insertion, data reading...", "Data reading",
                              200);
    // Back at once, with the notice up: the read would run now.
    auto* notice = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->windowTitle(), "Data reading");
    const QPointer<QMessageBox> first(notice);
    bool firstGoneWhenShown = false;
    messages.SetBoxShownHook([&](QMessageBox& box) {
        firstGoneWhenShown = first.isNull() || !first->isVisible();
        box.accept();
    });
    messages.ShowMessage("Data read completed", MessageIcon::Information, MessageButtons::Ok);
    EXPECT_TRUE(firstGoneWhenShown);
}

}  // namespace
}  // namespace velka
