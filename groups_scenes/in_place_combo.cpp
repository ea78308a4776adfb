#include "groups_scenes/in_place_combo.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace {
constexpr int kVisibleEntries = 15;
}

CInPlaceCombo::CInPlaceCombo(int row, int column, const QStringList& choices, const QString& initialText,
                             QWidget* parent)
    : QComboBox(parent), row_(row), column_(column), initialText_(initialText) {
    setFont(parent->font());
    addItems(choices);
    setMaxVisibleItems(kVisibleEntries);
    setCurrentIndex(-1);
}

void CInPlaceCombo::hidePopup() {
    QComboBox::hidePopup();
    End();
}

void CInPlaceCombo::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            escape_ = true;
            End();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            End();
            return;
        default:
            QComboBox::keyPressEvent(event);
    }
}

void CInPlaceCombo::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // The drop-down takes the focus while it is open; that is no end.
    if (!view()->isVisible())
        End();
}

void CInPlaceCombo::End() {
    if (ended_)
        return;
    ended_ = true;
    Q_EMIT editEnded(row_, column_, escape_ ? initialText_ : currentText());
}
