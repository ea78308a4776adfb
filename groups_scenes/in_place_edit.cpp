#include "groups_scenes/in_place_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QValidator>

namespace {

// Every text made of the valid characters only, so drops and input-method
// text follow the same rule as typing.
class ValidCharacters final : public QValidator {
public:
    ValidCharacters(QString characters, QObject* parent) : QValidator(parent), characters_(std::move(characters)) {}
    State validate(QString& input, int&) const override {
        for (QChar c : input)
            if (!characters_.contains(c))
                return Invalid;
        return Acceptable;
    }

private:
    QString characters_;
};

// Keys that edit or move rather than type: they pass whatever the set says.
bool EditingKey(const QKeyEvent* event) {
    for (QKeySequence::StandardKey key : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::SelectAll,
                                          QKeySequence::Undo, QKeySequence::Redo})
        if (event->matches(key))
            return true;
    return event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete;
}

}  // namespace

CInPlaceEdit::CInPlaceEdit(const QString& validCharacters, QWidget* parent)
    : QLineEdit(parent), validCharacters_(validCharacters) {
    setFont(parent->font());
    // Pasting goes through the key handler only, where its rule applies.
    setContextMenuPolicy(Qt::NoContextMenu);
    if (validCharacters_.isEmpty())
        setAcceptDrops(false);  // a drop is a paste
    else
        setValidator(new ValidCharacters(validCharacters_, this));
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
    if (event->matches(QKeySequence::Paste)) {
        PasteIfValid();
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && !validCharacters_.isEmpty() && !EditingKey(event) && !AllValid(typed)) {
        QApplication::beep();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// The middle button's paste of the X11 selection would bypass the rule.
void CInPlaceEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::MiddleButton)
        QLineEdit::mouseReleaseEvent(event);
}
