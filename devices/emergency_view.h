#pragma once
// The emergency tab ("Notlicht"): the selected emergency luminaire's mode,
// status and failures in words, battery, rated duration, lamp times,
// emergency level, test intervals and the time to the next tests, and its buttons (function test,
// duration test, stop test, inhibit, re-light, identify, read). The view
// sends nothing itself: every button goes through the services it is given,
// and after a command it reads the unit again so the installer sees what the
// command did.

#include "devices/emergency_commands.h"
#include "devices/emergency_state.h"
#include "link/dalikit.h"

#include <QWidget>

#include <functional>
#include <map>

class QLabel;
class QPushButton;

struct EmergencyViewServices {
    // Reads the selected unit into the state; the transactions' results.
    std::function<LinkResult(EmergencyState&)> read;
    // Sends the command to the selected unit; the transactions' results.
    std::function<LinkResult(EmergencyAction)> run;
    // A read or a command whose result was not 0 (the caller says so to the installer).
    std::function<void(LinkResult)> failed;
    QString languageModulePath;
};

class CEmergencyView final : public QWidget {
    Q_OBJECT

public:
    explicit CEmergencyView(EmergencyViewServices services, QWidget* parent = nullptr);

    // Shows the state (after a read, or the one kept for the selected unit).
    void ShowUnit(const EmergencyState& state);
    const EmergencyState& unit() const { return state_; }
    // Offline or no emergency luminaire selected: the buttons are off.
    void EnableControls(bool enabled);
    void ApplyLanguage(const QString& languageModulePath);

private:
    void Read();
    void Run(EmergencyAction action);
    // What 255 (MASK) means for a value: nothing known, or "this or more".
    enum class Mask { Unknown, AtLeast, Plain };
    QString Number(std::optional<uint8_t> value, int factor, Mask mask = Mask::Plain) const;
    QString Delay(std::optional<uint16_t> quarterHours) const;

    EmergencyViewServices services_;
    EmergencyState state_;
    QLabel* modeCaption_ = nullptr;
    QLabel* statusCaption_ = nullptr;
    QLabel* failureCaption_ = nullptr;
    QLabel* mode_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* failures_ = nullptr;
    QLabel* battery_ = nullptr;
    QLabel* lamp_ = nullptr;
    QLabel* intervals_ = nullptr;
    QLabel* delays_ = nullptr;
    QPushButton* read_ = nullptr;
    std::map<EmergencyAction, QPushButton*> buttons_;
};
