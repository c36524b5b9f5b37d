#include "TfrmAbout.h"

#include "ui/DialogPlacement.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lw {

TfrmAbout::TfrmAbout(QWidget* owner) : QDialog(owner)
{
    setWindowTitle("About Lockwell");
    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap(":/pictures/LOCKWELL.png"));
    auto* name = new QLabel("Lockwell", this);
    QFont big = name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 2);
    name->setFont(big);
    auto* version = new QLabel("version 1.21", this);
    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(text, 1);
    auto* col = new QVBoxLayout(this);
    col->addLayout(top);
    col->addWidget(ok, 0, Qt::AlignRight);
    setFixedSize(sizeHint());
    CenterOver(owner, this);
}

} // namespace lw
