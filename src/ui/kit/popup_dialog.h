#pragma once
// The save popup: a small modal dialog titled "Save" in which the user confirms or changes the
// full path of a report before it is written. The caller fills its four values, runs it
// (exec) and, after OK, reads FilePath() back.

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QLineEdit;
class QPushButton;

namespace velka {

// What the "Browser" button asks the file chooser.
struct SaveFileQuestion {
    QString initialPath;      // the stored path: the chooser opens its folder and proposes its name
    QStringList nameFilters;  // Qt's form, "PDF (*.pdf)"; the first one is selected
    QString defaultSuffix;    // appended when the user types a name without one
};

// Answers a SaveFileQuestion with the chosen full path, or nothing when the user cancels.
using SaveFileChooser =
    std::function<std::optional<QString>(QWidget* parent, const SaveFileQuestion& question)>;

// The platform's save-file dialog (QFileDialog), asking before it overwrites a file.
std::optional<QString> ChooseSaveFileWithDialog(QWidget* parent, const SaveFileQuestion& question);

// "PDF(*.pdf)|*.pdf||" (pairs of description and pattern, each followed by a bar, the list
// ending with a second bar; patterns separated by ';') into Qt's {"PDF (*.pdf)"}.
QStringList NameFiltersFromFilterList(const QString& filterList);

class CPopupDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPopupDlg(QWidget* parent = nullptr,
                       SaveFileChooser chooser = ChooseSaveFileWithDialog);

    // Extension without dot, appended by the file chooser when the user types none.
    void SetDefaultExtension(const QString& extension) { defaultExtension_ = extension; }
    const QString& DefaultExtension() const { return defaultExtension_; }
    // "Description(*.ext)|*.ext||".
    void SetFileFilter(const QString& filter) { fileFilter_ = filter; }
    const QString& FileFilter() const { return fileFilter_; }
    // The full path of the file to write: shown when the popup opens, the edited text after OK.
    void SetFilePath(const QString& path) { filePath_ = path; }
    const QString& FilePath() const { return filePath_; }
    // The caption of the confirming button; the dialog's title stays "Save".
    void SetSaveCaption(const QString& caption) { saveCaption_ = caption; }
    const QString& SaveCaption() const { return saveCaption_; }

    QLineEdit& PathField() { return *pathField_; }
    QPushButton& BrowseButton() { return *browseButton_; }
    QPushButton& SaveButton() { return *saveButton_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Browse();
    void Confirm();

    SaveFileChooser chooser_;
    QString defaultExtension_;
    QString fileFilter_;
    QString filePath_;
    QString saveCaption_;
    QLineEdit* pathField_;
    QPushButton* browseButton_;
    QPushButton* saveButton_;
};

}  // namespace velka
