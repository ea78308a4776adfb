#include "link/bustest_dlg.h"

#include "link/bus_test.h"

#include <QPushButton>
#include <QVBoxLayout>

BustestDlg::BustestDlg(const BusLink& link, const QString& languageModulePath, QWidget* owner)
    : QDialog(owner), link_(link), languageModulePath_(languageModulePath) {
    setModal(true);
    setWindowTitle(QStringLiteral("Bus Test"));
    auto* column = new QVBoxLayout(this);
    for (const BusTestButton& button : BusTestButtons()) {
        auto* push = new QPushButton(QString::fromLatin1(button.caption), this);
        push->setMinimumWidth(180);
        connect(push, &QPushButton::clicked, this,
                [this, opcode = button.opcode] { dalikit_SendBusTest(link_, opcode); });
        column->addWidget(push);
    }
    column->setSizeConstraint(QLayout::SetFixedSize);
}
