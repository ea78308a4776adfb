#pragma once
// The splash window: a borderless picture shown over the main view while the
// view sets itself up.

#include <QPixmap>
#include <QWidget>

class SPLASH final : public QWidget {
    Q_OBJECT

public:
    // A window of its own, destroyed with its owner.
    explicit SPLASH(QWidget* owner);

    // Centres the window over the widget and shows it painted at once.
    void ShowCentredOver(const QWidget& widget);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};
