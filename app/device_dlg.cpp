#include "app/device_dlg.h"

#include "app/interface_list.h"
#include "storage/load_text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr StringId kTitle = 207, kLabel = 150, kOk = 259, kCancel = 152;
}

CDeviceDlg::CDeviceDlg(KitHandle currentHandle, const QString& languageModulePath, QWidget* parent)
    : QDialog(parent), list_(new QComboBox(this)), chosen_(currentHandle) {
    setWindowTitle(LoadText(kTitle, languageModulePath));
    auto* label = new QLabel(LoadText(kLabel, languageModulePath), this);
    auto* ok = new QPushButton(LoadText(kOk, languageModulePath), this);
    auto* cancel = new QPushButton(LoadText(kCancel, languageModulePath), this);
    ok->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(list_, 0, 1, 1, 2);
    layout->addWidget(ok, 1, 1);
    layout->addWidget(cancel, 1, 2);
    list_->setMinimumWidth(220);

    entries_ = ListQuorrelInterfaces();
    for (const InterfaceEntry& entry : entries_)
        list_->addItem(entry.text);
    list_->setCurrentIndex(entries_.empty() ? -1 : 0);
    // With nothing listed there is nothing to choose.
    ok->setEnabled(!entries_.empty());

    connect(ok, &QPushButton::clicked, this, [this] {
        chosen_ = entries_[size_t(list_->currentIndex())].handle;
        done(kDialogOk);
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        chosen_ = nullptr;
        done(kDialogCancel);
    });
}

CDeviceDlg::~CDeviceDlg() = default;

Prompts::ChooserResult CDeviceDlg::Run() {
    const int result = exec() == kDialogOk ? kDialogOk : kDialogCancel;
    return {result, chosen_};
}
