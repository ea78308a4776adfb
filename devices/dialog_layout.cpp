#include "devices/dialog_layout.h"

#include <QFontMetrics>
#include <QLabel>

QRect PlaceWrappedText(QLabel& label, const QString& text, int maxWidth, QPoint topLeft) {
    label.setTextFormat(Qt::PlainText);
    label.setWordWrap(true);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.setText(text);
    const QRect measured =
        QFontMetrics(label.font()).boundingRect(QRect(0, 0, maxWidth, 1 << 20), Qt::TextWordWrap, text);
    // The label wraps with its own text layout, which may need a pixel more
    // than the font metrics say; its own height for that width is what shows.
    const int width = text.isEmpty() ? 0 : std::min(maxWidth, measured.width() + 2);
    const int height = text.isEmpty() ? 0 : label.heightForWidth(width);
    label.setGeometry(QRect(topLeft, QSize(width, height)));
    return label.geometry();
}
