#pragma once
// The about box: the program's icon, its name and version, and OK.

#include <QDialog>

namespace velka {

class CAboutDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent);
};

}  // namespace velka
