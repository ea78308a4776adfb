#include "groups_scenes/in_place_combo.h"

namespace {
constexpr int kVisibleEntries = 15;
}

CInPlaceCombo::CInPlaceCombo(const QStringList& choices, QWidget* parent) : QComboBox(parent) {
    setFont(parent->font());
    addItems(choices);
    setMaxVisibleItems(kVisibleEntries);
    setCurrentIndex(-1);
    connect(this, &QComboBox::activated, this, [this] { picked_ = true; });
}

// Qt closes the drop-down before it applies the entry picked from it: whether
// anything was picked is known only after this event has been handled.
void CInPlaceCombo::hidePopup() {
    QComboBox::hidePopup();
    QMetaObject::invokeMethod(
        this, [this] {
            if (!picked_)
                Q_EMIT dismissed();
        },
        Qt::QueuedConnection);
}
