#include "ui/pages/sign_dialog.h"

#include "signing/report_signing.h"
#include "ui/kit/ui_text.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velka {

AskSignature SignPopup(QWidget* parent) {
    return [parent](const SignQuestion& question) -> std::optional<SignAnswer> {
        QDialog dialog(parent);
        dialog.setWindowTitle(TrQ("SignDialog", "Sign…"));
        auto* form = new QFormLayout(&dialog);
        form->addRow(new QLabel(TrQ("SignDialog", "Sign the report with the certificate \"%1\".")
                                    .arg(QString::fromStdString(question.nickname))));
        auto* meaning = new QComboBox(&dialog);
        meaning->setEditable(true);
        for (const std::string& text : kSignatureMeanings)
            meaning->addItem(QString::fromStdString(text));
        meaning->setAccessibleName(TrQ("SignDialog", "Meaning"));
        form->addRow(TrQ("SignDialog", "Meaning:"), meaning);
        QLineEdit* password = nullptr;
        if (question.needsPassword) {
            password = new QLineEdit(&dialog);
            password->setEchoMode(QLineEdit::Password);
            password->setAccessibleName(TrQ("SignDialog", "Password"));
            form->addRow(TrQ("SignDialog", "Password:"), password);
        }
        auto* buttons = new QDialogButtonBox(&dialog);
        buttons->addButton(TrQ("SignDialog", "Sign"), QDialogButtonBox::AcceptRole);
        buttons->addButton(TrQ("SignDialog", "Not now"), QDialogButtonBox::RejectRole);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        form->addRow(buttons);
        // A meaning is what the signature says: none, no signing.
        QObject::connect(meaning, &QComboBox::currentTextChanged, &dialog,
                         [&](const QString& text) {
                             buttons->buttons().first()->setEnabled(!text.trimmed().isEmpty());
                         });
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        SignAnswer answer{meaning->currentText().trimmed().toStdString(), std::nullopt};
        if (password != nullptr)
            answer.password = password->text().toStdString();
        return answer;
    };
}

}  // namespace velka
