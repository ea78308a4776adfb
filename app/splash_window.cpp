#include "app/splash_window.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {

const QString kPicture = QStringLiteral(":/images/splash.svg");

}  // namespace

SPLASH::SPLASH(QWidget* owner) : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint) {
    QSvgRenderer renderer(kPicture);
    picture_ = QPixmap(renderer.defaultSize());
    picture_.fill(Qt::transparent);
    QPainter painter(&picture_);
    renderer.render(&painter);
    setFixedSize(picture_.size());
}

void SPLASH::ShowCentredOver(const QWidget& widget) {
    const QPoint centre = widget.mapToGlobal(widget.rect().center());
    move(centre - rect().center());
    show();
    repaint();
}

void SPLASH::paintEvent(QPaintEvent*) { QPainter(this).drawPixmap(0, 0, picture_); }
