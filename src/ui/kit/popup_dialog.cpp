#include "ui/kit/popup_dialog.h"

#include "ui/kit/ui_text.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace velka {
namespace {

// A Windows pattern list is separated by ';', Qt's by blanks; "*.*" matches every name on
// Windows but only names with a dot here.
QString QtPatterns(const QString& patterns) {
    QStringList qtPatterns;
    for (const QString& pattern : patterns.split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        if (!trimmed.isEmpty()) {
            qtPatterns << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
        }
    }
    return qtPatterns.join(u' ');
}

// The description without the pattern list it often repeats in parentheses.
QString BareDescription(const QString& description) {
    QString bare = description.trimmed();
    if (bare.endsWith(u')')) {
        const qsizetype open = bare.lastIndexOf(u'(');
        if (open >= 0) {
            bare = bare.left(open).trimmed();
        }
    }
    return bare;
}

}  // namespace

QStringList NameFiltersFromFilterList(const QString& filterList) {
    // The list ends at the first empty part (the doubled bar).
    const QStringList parts = filterList.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty() || parts[i + 1].isEmpty()) {
            break;
        }
        const QString patterns = QtPatterns(parts[i + 1]);
        if (patterns.isEmpty()) {
            continue;
        }
        QString description = BareDescription(parts[i]);
        if (description.isEmpty()) {
            description = patterns;
        }
        filters << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    return filters;
}

std::optional<QString> ChooseSaveFileWithDialog(QWidget* parent, const SaveFileQuestion& question) {
    QFileDialog dialog(parent);
    dialog.setWindowTitle(TrQ("SaveDialog", "Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Asking before an existing file is replaced is QFileDialog's default; stated here because
    // the exports behind this dialog overwrite without asking again.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (!question.nameFilters.isEmpty()) {
        dialog.setNameFilters(question.nameFilters);
        dialog.selectNameFilter(question.nameFilters.first());
    }
    dialog.setDefaultSuffix(question.defaultSuffix);
    if (!question.initialPath.isEmpty()) {
        const QFileInfo initial(question.initialPath);
        dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

CPopupDlg::CPopupDlg(QWidget* parent, SaveFileChooser chooser)
    : QDialog(parent), chooser_(std::move(chooser)), pathField_(new QLineEdit(this)),
      browseButton_(new QPushButton(TrQ("SaveDialog", "Browser"), this)),
      saveButton_(new QPushButton(TrQ("SaveDialog", "Save"), this)) {
    setWindowTitle(TrQ("SaveDialog", "Save"));
    setModal(true);

    auto* cancelButton = new QPushButton(TrQ("SaveDialog", "Cancel"), this);
    // Enter confirms, whichever control has the focus; only a click browses.
    saveButton_->setDefault(true);
    browseButton_->setAutoDefault(false);
    cancelButton->setAutoDefault(false);
    pathField_->setMinimumWidth(420);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(pathField_, 1);
    pathRow->addWidget(browseButton_);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(saveButton_);
    buttonRow->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pathRow);
    layout->addLayout(buttonRow);

    connect(browseButton_, &QPushButton::clicked, this, &CPopupDlg::Browse);
    connect(saveButton_, &QPushButton::clicked, this, &CPopupDlg::Confirm);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void CPopupDlg::showEvent(QShowEvent* event) {
    // Opening the popup shows the caller's values; a window system's own show (the dialog
    // coming back after its window was minimised) keeps what the user typed.
    if (!event->spontaneous()) {
        pathField_->setText(filePath_);
        saveButton_->setText(saveCaption_.isEmpty() ? TrQ("SaveDialog", "Save") : saveCaption_);
        pathField_->setFocus();
    }
    QDialog::showEvent(event);
}

void CPopupDlg::Browse() {
    // The chooser starts from the stored path, not from text typed since the popup opened; a
    // cancelled choice leaves the typed text in the field.
    const SaveFileQuestion question{filePath_, NameFiltersFromFilterList(fileFilter_),
                                    defaultExtension_};
    const std::optional<QString> chosen = chooser_(this, question);
    if (chosen) {
        filePath_ = *chosen;
        pathField_->setText(filePath_);
    }
}

void CPopupDlg::Confirm() {
    // Taken as typed: the export reports a path it cannot write.
    filePath_ = pathField_->text();
    accept();
}

}  // namespace velka
