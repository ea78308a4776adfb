#pragma once
// Pieces the basic and scenes tabs share: the level combo box ("0" … "254",
// "MASK"), and the ACTUAL slider, whose moves light the first selected gear at
// once and whose end sets every selected gear.

#include <QString>

#include <cstdint>
#include <functional>

class QComboBox;
class QSlider;
class QWidget;
class TabActions;

// 256 entries; the entry index is the level byte (255 = MASK).
QComboBox* NewLevelCombo(const QString& objectName, QWidget* parent);
// A slider over the level bytes 0..255.
QSlider* NewLevelSlider(const QString& objectName, QWidget* parent);

// A user's move of the slider: line, page and key steps, and dragging. The
// callback gets the new position before the slider takes it as its value.
void OnUserMove(QSlider* slider, std::function<void(int position)> moved);

// The ACTUAL slider: every user move shows the position in the combo box and
// sends it to the first selected gear; when the move ends (the thumb is let
// go, or after a line, page or key step) every selected gear gets the level.
void ConnectActualSlider(QSlider* slider, QComboBox* combo, TabActions& actions,
                         std::function<void(int position)> moved = {});
