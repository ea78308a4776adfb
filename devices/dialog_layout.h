#pragma once
// Layout rules shared by the confirmation, message and wait dialogs, which
// size themselves to their texts.

#include <QRect>
#include <QString>

class QLabel;

// The margin around the dialogs' contents: the width of a window frame.
inline constexpr int kDialogFrame = 16;

// Gives the label the text (plain, word-wrapped, no mnemonics) and the size
// the text needs when wrapped within maxWidth, placed with its top-left corner
// at topLeft. Returns the label's geometry.
QRect PlaceWrappedText(QLabel& label, const QString& text, int maxWidth, QPoint topLeft);
