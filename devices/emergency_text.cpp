#include "devices/emergency_text.h"

#include "storage/load_text.h"

#include <QStringList>

#include <utility>

namespace {

// The text of bit 0; bits 1..7 follow in id order.
constexpr StringId kFirstFailureText = 567, kFirstStatusText = 575, kFirstModeText = 583;
constexpr StringId kNoFailuresText = 591, kUnknownText = 592;
constexpr StringId kFunctionTestText = 561, kDurationTestText = 562;
constexpr StringId kPassedText = 563, kFailedText = 564, kTimedOutText = 565, kCancelledText = 566;

StringId firstText(EmergencyBits which) {
    switch (which) {
        case EmergencyBits::Mode:
            return kFirstModeText;
        case EmergencyBits::Status:
            return kFirstStatusText;
        case EmergencyBits::Failure:
            break;
    }
    return kFirstFailureText;
}

}  // namespace

QString EmergencyBitsText(EmergencyBits which, std::optional<uint8_t> bits, const QString& languageModulePath) {
    if (!bits)
        return LoadText(kUnknownText, languageModulePath);
    if (*bits == 0 && which == EmergencyBits::Failure)
        return LoadText(kNoFailuresText, languageModulePath);
    QStringList words;
    for (StringId bit = 0; bit < 8; ++bit)
        if (*bits >> bit & 1)
            words << LoadText(firstText(which) + bit, languageModulePath);
    return words.join(QStringLiteral(", "));
}

QString EmergencyTestKindText(EmergencyTestKind kind, const QString& languageModulePath) {
    return LoadText(kind == EmergencyTestKind::Duration ? kDurationTestText : kFunctionTestText, languageModulePath);
}

QString EmergencyOutcomeText(EmergencyOutcome outcome, const QString& languageModulePath) {
    static const std::pair<EmergencyOutcome, StringId> kTexts[] = {
        {EmergencyOutcome::Passed, kPassedText},
        {EmergencyOutcome::Failed, kFailedText},
        {EmergencyOutcome::TimedOut, kTimedOutText},
        {EmergencyOutcome::Cancelled, kCancelledText},
        {EmergencyOutcome::PostponedCharging, 718},
        {EmergencyOutcome::PostponedOtherTest, 719},
        {EmergencyOutcome::Postponed, 720},
    };
    for (const auto& [shown, text] : kTexts)
        if (shown == outcome)
            return LoadText(text, languageModulePath);
    return {};
}
