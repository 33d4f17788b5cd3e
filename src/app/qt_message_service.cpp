#include "app/qt_message_service.h"

#include "widgets/application_look.h"

#include <QMessageBox>
#include <QTimer>

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

}  // namespace

void QtMessageService::Exec(QMessageBox& box) {
    box.setTextFormat(Qt::PlainText);
    SetStandardButtonTexts(box);
    if (boxShown_)
        QTimer::singleShot(0, &box, [this, &box] { boxShown_(box); });
    box.exec();
}

MessageAnswer QtMessageService::ShowMessage(const std::string& text, const std::string& caption,
                                            MessageIcon icon, MessageButtons buttons) {
    if (buttons == MessageButtons::YesNo) {
        QMessageBox box(BoxIcon(icon), QString::fromStdString(caption),
                        QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                        parentWindow_);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        Exec(box);
        return box.clickedButton() == box.button(QMessageBox::Yes) ? MessageAnswer::Yes
                                                                   : MessageAnswer::No;
    }
    const QMessageBox::StandardButtons choice = buttons == MessageButtons::OkCancel
                                                    ? QMessageBox::Ok | QMessageBox::Cancel
                                                    : QMessageBox::Ok;
    QMessageBox box(BoxIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    choice, parentWindow_);
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
    QMessageBox box(QMessageBox::Information, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Ok, parentWindow_);
    QTimer closing;
    closing.setSingleShot(true);
    QObject::connect(&closing, &QTimer::timeout, &box, &QDialog::accept);
    closing.start(std::max(timeoutMs, 0));
    Exec(box);
}

}  // namespace velka
