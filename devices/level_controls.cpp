#include "devices/level_controls.h"

#include "devices/tab_actions.h"

#include <QComboBox>
#include <QSlider>

QComboBox* NewLevelCombo(const QString& objectName, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    QStringList entries;
    for (int level = 0; level < 255; ++level)
        entries << QString::number(level);
    entries << QStringLiteral("MASK");
    combo->addItems(entries);
    combo->setMaxVisibleItems(20);
    return combo;
}

QSlider* NewLevelSlider(const QString& objectName, QWidget* parent) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(objectName);
    slider->setRange(0, 255);
    slider->setPageStep(16);
    return slider;
}

void OnUserMove(QSlider* slider, std::function<void(int)> moved) {
    QObject::connect(slider, &QAbstractSlider::actionTriggered, slider,
                     [slider, moved = std::move(moved)](int) { moved(slider->sliderPosition()); });
}

void ConnectActualSlider(QSlider* slider, QComboBox* combo, TabActions& actions,
                         std::function<void(int)> moved) {
    OnUserMove(slider, [slider, combo, &actions, moved = std::move(moved)](int position) {
        combo->setCurrentIndex(position);
        if (moved)
            moved(position);
        actions.ActualLevelMoving(uint8_t(position));
        // A step of the keyboard or the page ends the move at once.
        if (!slider->isSliderDown())
            actions.ActualLevelSet(uint8_t(position));
    });
    QObject::connect(slider, &QAbstractSlider::sliderReleased, slider, [slider, &actions] {
        actions.ActualLevelSet(uint8_t(slider->value()));
    });
}
