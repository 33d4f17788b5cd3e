#include "app/qt_message_service.h"

#include "ui/kit/application_look.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <memory>

namespace velka {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

std::unique_ptr<QMessageBox> NoticeBox(const std::string& text, const std::string& caption,
                                       int timeoutMs, QWidget* parent) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Information, QString::fromStdString(caption),
                                      QString::fromStdString(text), QMessageBox::Ok, parent);
    QTimer::singleShot(std::max(timeoutMs, 0), box.get(), &QDialog::accept);
    return box;
}

}  // namespace

void QtMessageService::AwaitStartedNotice() {
    if (startedNotice_.isNull() || !startedNotice_->isVisible())
        return;
    QEventLoop waiting;
    QObject::connect(startedNotice_.data(), &QDialog::finished, &waiting, &QEventLoop::quit);
    QObject::connect(startedNotice_.data(), &QObject::destroyed, &waiting, &QEventLoop::quit);
    waiting.exec();
}

void QtMessageService::Exec(QMessageBox& box) {
    AwaitStartedNotice();
    box.setTextFormat(Qt::PlainText);
    SetStandardButtonTexts(box);
    if (boxShown_)
        QTimer::singleShot(0, &box, [this, &box] { boxShown_(box); });
    box.exec();
}

MessageAnswer QtMessageService::ShowMessage(const std::string& text, MessageIcon icon,
                                            MessageButtons buttons) {
    const QString caption = QString::fromStdString(Tr(MessageCaptionText(icon)));
    if (buttons == MessageButtons::YesNo) {
        QMessageBox box(BoxIcon(icon), caption, QString::fromStdString(text),
                        QMessageBox::Yes | QMessageBox::No, parentWindow_);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        Exec(box);
        return box.clickedButton() == box.button(QMessageBox::Yes) ? MessageAnswer::Yes
                                                                   : MessageAnswer::No;
    }
    const QMessageBox::StandardButtons choice = buttons == MessageButtons::OkCancel
                                                    ? QMessageBox::Ok | QMessageBox::Cancel
                                                    : QMessageBox::Ok;
    QMessageBox box(BoxIcon(icon), caption, QString::fromStdString(text), choice, parentWindow_);
    // A question with Cancel ("Empty All Data?") never makes its action the default.
    box.setDefaultButton(buttons == MessageButtons::OkCancel ? QMessageBox::Cancel
                                                             : QMessageBox::Ok);
    // Esc and the close box answer Cancel where there is one.
    box.setEscapeButton(buttons == MessageButtons::OkCancel ? QMessageBox::Cancel
                                                            : QMessageBox::Ok);
    Exec(box);
    return box.clickedButton() == box.button(QMessageBox::Ok) ? MessageAnswer::Ok
                                                              : MessageAnswer::Cancel;
}

void QtMessageService::ShowTimedNotice(const std::string& text, const std::string& caption,
                                       int timeoutMs) {
    const std::unique_ptr<QMessageBox> box = NoticeBox(text, caption, timeoutMs, parentWindow_);
    Exec(*box);
}

void QtMessageService::StartTimedNotice(const std::string& text, const std::string& caption,
                                        int timeoutMs) {
    AwaitStartedNotice();
    QMessageBox* box = NoticeBox(text, caption, timeoutMs, parentWindow_).release();
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText);
    SetStandardButtonTexts(*box);
    box->setWindowModality(Qt::ApplicationModal);
    startedNotice_ = box;
    box->show();
    if (boxShown_)
        QTimer::singleShot(0, box, [this, box] { boxShown_(*box); });
    // The work that follows holds the event loop: the box must be painted before it starts.
    QElapsedTimer waited;
    waited.start();
    while (box->isVisible() && !box->windowHandle()->isExposed() && waited.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    if (box->isVisible())
        box->repaint();
}

}  // namespace velka
