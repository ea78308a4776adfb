#include "groups_scenes/in_place_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>

CInPlaceEdit::CInPlaceEdit(int row, int column, const QString& validCharacters, const QString& initialText,
                           QWidget* parent)
    : QLineEdit(initialText, parent), row_(row), column_(column), validCharacters_(validCharacters),
      initialText_(initialText) {
    setFont(parent->font());
    // Pasting goes through the key handler only, where its rule applies.
    setContextMenuPolicy(Qt::NoContextMenu);
    selectAll();
}

bool CInPlaceEdit::AllValid(const QString& text) const {
    for (QChar c : text)
        if (!validCharacters_.contains(c))
            return false;
    return true;
}

void CInPlaceEdit::PasteIfValid() {
    if (!validCharacters_.isEmpty() && AllValid(QApplication::clipboard()->text()))
        paste();
}

void CInPlaceEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        escape_ = true;
        End();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        End();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        PasteIfValid();
        return;
    }
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
    if (printable && !validCharacters_.isEmpty() && !AllValid(typed)) {
        QApplication::beep();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CInPlaceEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    End();
}

// The middle button's paste of the X11 selection would bypass the rule.
void CInPlaceEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::MiddleButton)
        QLineEdit::mouseReleaseEvent(event);
}

void CInPlaceEdit::End() {
    if (ended_)
        return;
    ended_ = true;
    Q_EMIT editEnded(row_, column_, escape_ ? initialText_ : text());
}
