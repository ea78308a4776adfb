#include "devices/project_header.h"

#include <QTextBoundaryFinder>

#include <algorithm>

QString CutText(const QString& text, qsizetype length) {
    if (text.size() <= length)
        return text;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    graphemes.setPosition(length);
    if (!graphemes.isAtBoundary())
        graphemes.toPreviousBoundary();
    return text.left(std::max<qsizetype>(graphemes.position(), 0));
}
