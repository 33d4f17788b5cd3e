#include "app/about_dialog.h"

#include "app/app_icon.h"
#include "app/app_options.h"
#include "ui/kit/ui_text.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velka {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(TrQ("About", "About Velka"));
    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap::fromImage(DrawApplicationIcon(48)));
    auto* version = new QLabel(QString::fromUtf8(kVersionText), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(TrQ("About", "OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(version, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace velka
