#include "devices/emergency_reading.h"

#include "devices/emergency_transactions.h"

#include <array>

using dali::Dt1Op;
using dali::Dt1TestTiming;

namespace {

template <typename T>
void assign(std::optional<T>& field, std::optional<T> answer) {
    if (answer)
        field = answer;
}

struct ByteQuery {
    Dt1Op query;
    std::optional<uint8_t> EmergencyState::*field;
};

constexpr std::array kByteQueries{
    ByteQuery{Dt1Op::QueryEmergencyMode, &EmergencyState::mode},
    ByteQuery{Dt1Op::QueryFeatures, &EmergencyState::features},
    ByteQuery{Dt1Op::QueryFailureStatus, &EmergencyState::failureStatus},
    ByteQuery{Dt1Op::QueryEmergencyStatus, &EmergencyState::status},
    ByteQuery{Dt1Op::QueryBatteryCharge, &EmergencyState::batteryCharge},
    ByteQuery{Dt1Op::QueryRatedDuration, &EmergencyState::ratedDuration},
    ByteQuery{Dt1Op::QueryDurationTestResult, &EmergencyState::durationTestResult},
    ByteQuery{Dt1Op::QueryLampEmergencyTime, &EmergencyState::lampEmergencyTime},
    ByteQuery{Dt1Op::QueryLampTotalOperationTime, &EmergencyState::lampTotalOperationTime},
    ByteQuery{Dt1Op::QueryEmergencyLevel, &EmergencyState::emergencyLevel},
};

struct TimingQuery {
    Dt1TestTiming selector;
    std::optional<uint8_t> EmergencyState::*field;
};

constexpr std::array kTimingQueries{
    TimingQuery{Dt1TestTiming::FunctionTestInterval, &EmergencyState::functionTestInterval},
    TimingQuery{Dt1TestTiming::DurationTestInterval, &EmergencyState::durationTestInterval},
    TimingQuery{Dt1TestTiming::TestExecutionTimeout, &EmergencyState::testExecutionTimeout},
};

}  // namespace

LinkResult ReadEmergencyState(EmergencyReadContext& context) {
    const BusLink& link = context.link;
    if (!link.handle)
        return 0;
    const uint8_t a = dali::commandAddress(context.shortAddress);
    EmergencyState& state = context.state;
    LinkResult results = 0;
    for (const ByteQuery& q : kByteQueries)
        assign(state.*q.field, QueryEmergency(link, a, q.query, results));
    for (const TimingQuery& q : kTimingQueries) {
        const std::optional<uint16_t> value = QueryTestTiming(link, a, q.selector, results);
        assign(state.*q.field, value ? std::optional<uint8_t>(uint8_t(*value)) : std::nullopt);
    }
    assign(state.nextFunctionTest, QueryTestTiming(link, a, Dt1TestTiming::NextFunctionTestHigh, results));
    assign(state.nextDurationTest, QueryTestTiming(link, a, Dt1TestTiming::NextDurationTestHigh, results));
    return results;
}
