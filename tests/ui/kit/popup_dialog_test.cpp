// The save popup: what it shows, what OK, Enter and Esc return, the browse rules, the filter
// conversion, and the real file dialog it opens by default.

#include "temp_dir.h"
#include "ui/kit/popup_dialog.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace velka {
namespace {

// Answers the browse button from a script and records what it was asked.
struct ScriptedChooser {
    std::deque<std::optional<QString>> answers;
    std::vector<SaveFileQuestion> questions;

    SaveFileChooser Chooser() {
        return [this](QWidget*, const SaveFileQuestion& question) {
            questions.push_back(question);
            std::optional<QString> answer = answers.front();
            answers.pop_front();
            return answer;
        };
    }
};

struct OpenPopup {
    explicit OpenPopup(ScriptedChooser& chooser) : popup(nullptr, chooser.Chooser()) {
        popup.SetDefaultExtension(QStringLiteral("pdf"));
        popup.SetFileFilter(QStringLiteral("PDF(*.pdf)|*.pdf||"));
        popup.SetFilePath(QStringLiteral("/data/0A1B2C3D.pdf"));
        popup.SetSaveCaption(QStringLiteral("Save PDF"));
        popup.open();
    }
    CPopupDlg popup;
};

TEST(SavePopup, ShowsTheCallersValuesAndReturnsTheFieldAsTyped) {
    struct Case {
        const char* name;
        std::function<void(CPopupDlg&)> finish;
        QDialog::DialogCode result;
        QString path;
    };
    const Case cases[] = {
        {"caption button", [](CPopupDlg& p) { p.SaveButton().click(); }, QDialog::Accepted,
         QStringLiteral("no/such folder/report.txt")},
        {"Enter", [](CPopupDlg& p) { QTest::keyClick(&p.PathField(), Qt::Key_Return); },
         QDialog::Accepted, QStringLiteral("no/such folder/report.txt")},
        {"Esc", [](CPopupDlg& p) { QTest::keyClick(&p.PathField(), Qt::Key_Escape); },
         QDialog::Rejected, QStringLiteral("/data/0A1B2C3D.pdf")},
        {"close box", [](CPopupDlg& p) { p.close(); }, QDialog::Rejected,
         QStringLiteral("/data/0A1B2C3D.pdf")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedChooser chooser;
        OpenPopup open(chooser);
        CPopupDlg& popup = open.popup;
        EXPECT_EQ(popup.windowTitle(), QStringLiteral("Save"));
        EXPECT_EQ(popup.PathField().text(), QStringLiteral("/data/0A1B2C3D.pdf"));
        EXPECT_EQ(popup.SaveButton().text(), QStringLiteral("Save PDF"));
        EXPECT_EQ(popup.BrowseButton().text(), QStringLiteral("Browser"));

        // Neither checked for existence nor for its extension: the export reports what fails.
        popup.PathField().setText(QStringLiteral("no/such folder/report.txt"));
        c.finish(popup);
        EXPECT_FALSE(popup.isVisible());
        EXPECT_EQ(popup.result(), c.result);
        EXPECT_EQ(popup.FilePath(), c.path);
        EXPECT_TRUE(chooser.questions.empty());
    }
}

TEST(SavePopup, BrowseStartsFromTheStoredPathAndKeepsTypedTextWhenCancelled) {
    ScriptedChooser chooser;
    chooser.answers = {std::nullopt, QStringLiteral("/reports/chosen.pdf"), std::nullopt};
    OpenPopup open(chooser);
    CPopupDlg& popup = open.popup;

    popup.PathField().end(false);
    QTest::keyClicks(&popup.PathField(), QStringLiteral("-typed"));
    popup.BrowseButton().click();  // cancelled
    EXPECT_EQ(popup.PathField().text(), QStringLiteral("/data/0A1B2C3D.pdf-typed"));

    popup.BrowseButton().click();  // chosen
    EXPECT_EQ(popup.PathField().text(), QStringLiteral("/reports/chosen.pdf"));

    popup.PathField().setText(QStringLiteral("/elsewhere/typed.pdf"));
    popup.BrowseButton().click();  // cancelled again
    EXPECT_EQ(popup.PathField().text(), QStringLiteral("/elsewhere/typed.pdf"));

    ASSERT_EQ(chooser.questions.size(), 3u);
    EXPECT_EQ(chooser.questions[0].initialPath, QStringLiteral("/data/0A1B2C3D.pdf"));
    EXPECT_EQ(chooser.questions[1].initialPath, QStringLiteral("/data/0A1B2C3D.pdf"));
    EXPECT_EQ(chooser.questions[2].initialPath, QStringLiteral("/reports/chosen.pdf"));
    EXPECT_EQ(chooser.questions[0].nameFilters, QStringList{QStringLiteral("PDF (*.pdf)")});
    EXPECT_EQ(chooser.questions[0].defaultSuffix, QStringLiteral("pdf"));

    popup.SaveButton().click();
    EXPECT_EQ(popup.result(), QDialog::Accepted);
    EXPECT_EQ(popup.FilePath(), QStringLiteral("/elsewhere/typed.pdf"));
}

TEST(SavePopup, ConvertsTheFilterListToQtNameFilters) {
    struct Case {
        QString filterList;
        QStringList nameFilters;
    };
    const Case cases[] = {
        {"PDF(*.pdf)|*.pdf||", {"PDF (*.pdf)"}},
        {"Workbooks files(*.xls)|*.xls||", {"Workbooks files (*.xls)"}},
        {"Images (*.png;*.bmp)|*.png;*.bmp|All files(*.*)|*.*||",
         {"Images (*.png *.bmp)", "All files (*)"}},
        {"Text|*.txt", {"Text (*.txt)"}},  // no closing bars
        {"(*.bin)|*.bin||", {"*.bin (*.bin)"}},
        {"BIN(*.bin)|*.bin||ignored|*.x||", {"BIN (*.bin)"}},
        {"Broken|", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NameFiltersFromFilterList(c.filterList), c.nameFilters)
            << c.filterList.toStdString();
    }
}

// Runs check on each modal dialog that opens, one after the other, until it returns false.
void AnswerModalDialogs(std::function<bool(QWidget*)> check) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, check, last = (QWidget*)nullptr]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == last) {
            return;
        }
        last = modal;
        if (!check(modal)) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

TEST(SavePopup, TheFileDialogProposesTheStoredPathAndAsksBeforeOverwriting) {
    const testing::TempDir folder;
    const QString dir = QString::fromStdString(folder.Path().string());
    const QString existing = dir + QStringLiteral("/0A1B2C3D.pdf");
    {
        QFile file(existing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const SaveFileQuestion question{existing, {"PDF (*.pdf)", "All files (*)"}, "pdf"};

    // First: the dialog as opened; accepting the existing name asks first, and "No" keeps the
    // dialog open; then a new name without extension gets the default one.
    QString openedIn, proposed, selectedFilter, suffix;
    bool overwriteAsked = false;
    AnswerModalDialogs([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && !overwriteAsked) {
            openedIn = dialog->directory().absolutePath();
            proposed = dialog->selectedFiles().value(0);
            selectedFilter = dialog->selectedNameFilter();
            suffix = dialog->defaultSuffix();
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            return true;
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            overwriteAsked = true;
            box->button(QMessageBox::No) ? box->button(QMessageBox::No)->click() : box->reject();
            return true;
        }
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            dialog->selectFile(QStringLiteral("new-report"));
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        }
        return false;
    });
    // The same dialog comes back after "No": let the checker see it again.
    const std::optional<QString> chosen = ChooseSaveFileWithDialog(nullptr, question);
    EXPECT_EQ(openedIn, dir);
    EXPECT_EQ(proposed, existing);
    EXPECT_EQ(selectedFilter, QStringLiteral("PDF (*.pdf)"));
    EXPECT_EQ(suffix, QStringLiteral("pdf"));
    EXPECT_TRUE(overwriteAsked);
    EXPECT_EQ(chosen, dir + QStringLiteral("/new-report.pdf"));
}

}  // namespace
}  // namespace velka
