#pragma once
// The link layer: bridge registers through kit reports, and DALI transactions
// through bridge registers. Every operation takes a BusLink and returns a
// LinkResult word (0 = success). Nothing throws and nothing retries.
//
// Reports: every report is zero-filled to the controller's report size
// (dalikit_ReportSize) and goes to and comes from pipe 1; byte 0 is the report
// id (0x01 I2C mode, 0x02 I2C write, 0x03 I2C read).
//
// Threads: all operations on one kit handle are serialised by a per-handle
// lock held for the whole operation, so a register read (two report
// exchanges) or a query (frame, answer wait, answer read) is never split by
// another thread. A caller that needs several operations back to back without
// anyone in between holds a TransactionGuard around them.

#include "kit/pellixkit.h"

#include <cstdint>
#include <mutex>
#include <string>

struct BusLink {
    KitHandle handle = nullptr;   // opened interface, null = none
    uint8_t bridgeAddress = 0;    // bridge chip's I2C address shifted left, bit 0 clear
};

using LinkResult = uint16_t;

namespace link_result {
constexpr LinkResult kOk = 0x0000;
constexpr LinkResult kReplyShort = 0x0002;        // kit_read returned less than the report size
constexpr LinkResult kRequestShort = 0x0004;      // kit_write returned less than the report size
constexpr LinkResult kWrongByteCount = 0x0008;    // I2C write reply acknowledged another byte count
constexpr LinkResult kNotAcknowledged = 0x0010;   // I2C reply's error bit
constexpr LinkResult kInnerStep = 0x0080;         // flag: failure of an inner step
constexpr LinkResult kBusError = 0x0200;          // status bit 7 while waiting
constexpr LinkResult kAnswerBusy = 0x0400;        // answer wait: busy for 11 polls in a row
// A wait that did not end within kWaitLimitMs on the interface's clock: the
// idle wait while the bridge stays busy, the answer wait while the answer
// window (status exactly 0x04) stays open. Passed up with kInnerStep (0x0880).
constexpr LinkResult kWaitTimedOut = 0x0800;
}  // namespace link_result

// The bridge's registers: status, the frame (a forward frame written, the
// answer read) and control (0x03 repeats the next frame).
namespace bridge_register {
constexpr uint8_t kStatus = 0x00;
constexpr uint8_t kFrame = 0x01;
constexpr uint8_t kControl = 0x02;
}  // namespace bridge_register

// Bits of the bridge's status register.
namespace bridge_status {
constexpr uint8_t kBusError = 0x80;    // the bus is shorted or unpowered
constexpr uint8_t kBusy = 0x40;        // a frame is on the wire
constexpr uint8_t kOverrun = 0x20;     // a frame arrived while the last one was unread
constexpr uint8_t kFrameError = 0x10;  // the backward frame broke the Manchester rules (colliding answers)
constexpr uint8_t kValid = 0x08;       // the frame register holds a received frame
constexpr uint8_t kWindowOpen = 0x04;  // exactly this value: still waiting for an answer
constexpr uint8_t kLengthMask = 0x03;  // received frame length in bytes

// One clean backward frame: valid, one byte long.
constexpr bool isCleanAnswer(uint8_t status) { return (status & kValid) && (status & kLengthMask) == 1; }
// Several gear answered at once: a frame error without a valid frame.
constexpr bool isGarbledAnswer(uint8_t status) { return (status & kFrameError) && !(status & kValid); }
}  // namespace bridge_status

// Longest an idle wait or an answer wait may last before it gives up.
constexpr unsigned kWaitLimitMs = 2000;

// Holds the per-handle transaction lock (recursive) for its lifetime.
class TransactionGuard {
public:
    explicit TransactionGuard(KitHandle handle);
private:
    std::unique_lock<std::recursive_mutex> lock_;
};

// --- Bridge registers -------------------------------------------------------

// Report size by product id: 0x1500, 0x1501, 0x158A -> 8; 0x1503 -> 64;
// any other id or a null handle -> 0 (every transfer then fails with 0x04).
int dalikit_ReportSize(KitHandle handle);

// Sends the I2C mode enable report (0x01 0x01). No reply is read; returns 0,
// or 0x04 when the report was not sent in full.
LinkResult dalikit_EnableI2C(KitHandle handle);

// I2C write of four bytes: address byte, r, d1, d2 (report 0x02 0xC4 ...).
// 0x04 request short, 0x02 reply short, 0x10 not acknowledged, 0x08 reply
// byte count other than 4.
LinkResult dalikit_WriteRegister(const BusLink& link, uint8_t r, uint8_t d1, uint8_t d2);

// Pointer write (0x02 0xC2 address r), then I2C read of one byte (0x03 0x01
// address|1). Pointer phase failures carry 0x80 (0x84, 0x82, 0x90, 0x88 for a
// count other than 2); read phase: 0x04, 0x02, 0x10. `value` is only written
// on success.
LinkResult dalikit_ReadRegister(const BusLink& link, uint8_t r, uint8_t& value);

// Idle wait: sleep 5 ms, read the status; repeat while it reads fine with bit
// 7 clear and bit 6 set. Failed read -> its result | 0x80; bit 7 -> 0x200;
// still busy after kWaitLimitMs -> 0x800.
LinkResult dalikit_WaitIdle(const BusLink& link);

// The lowest 7-bit address from 1 to 127 whose 2-byte read returns exactly 2
// bytes, as the bridge address byte (address << 1); 0 when none answers.
uint8_t dalikit_ProbeBridgeAddress(KitHandle handle);

// Reads the revision block 0xF0..0xF5 and formats its 5th and 6th bytes as four
// hex digits with full stops between ("0.1.2.3"); empty on failure.
std::string dalikit_ReadRevision(const BusLink& link);

// --- DALI transactions --------------------------------------------------------

// Writes the forward frame into register 0x01 once.
LinkResult dalikit_Send(const BusLink& link, uint8_t first, uint8_t second);

// Polls the status after a query until the answer window closes. `status` is
// the last status read (0xFF when the first read failed). Failed read ->
// result | 0x80; bit 7 -> 0x200; bit 6 in 11 polls in a row -> 0x400; status
// exactly 0x04 for longer than kWaitLimitMs -> 0x800; otherwise 0.
LinkResult dalikit_WaitAnswer(const BusLink& link, uint8_t& status);

// Frame, answer wait, answer register read (whatever the status says). A
// failed frame or wait comes back with 0x80 added; the answer read's result
// unchanged. A valid answer has status bit 3 set and bits 1..0 equal to 1.
LinkResult dalikit_Query(const BusLink& link, uint8_t first, uint8_t second, uint8_t& answer, uint8_t& status);

// Register 0x02 := 0x03, frame, idle wait, frame, idle wait. Only the second
// frame's register write decides the result.
LinkResult dalikit_SendTwice(const BusLink& link, uint8_t first, uint8_t second);

// The command twice, for a command whose effect must be known: a failed write
// of either copy counts (the first copy's result if it failed, else the second's).
LinkResult dalikit_ConfigureTwice(const BusLink& link, uint8_t first, uint8_t second);

// DTR0 := value, idle wait, then the command twice. A failed DTR0 frame ->
// its result | 0x80; the wait after it: failed read -> | 0x80, bus error 0x280.
LinkResult dalikit_SendWithDTR(const BusLink& link, uint8_t first, uint8_t second, uint8_t value);

// The same frames, for a configuration command whose effect must be known:
// it acts only when both copies arrive, so a failed write of either copy
// counts (the first copy's result if it failed, else the second's).
LinkResult dalikit_ConfigureWithDTR(const BusLink& link, uint8_t first, uint8_t second, uint8_t value);

// DTR0 := curve, ENABLE DEVICE TYPE 6, SELECT DIMMING CURVE twice.
LinkResult dalikit_SelectDimmingCurve(const BusLink& link, uint8_t address, uint8_t curve);

// DTR0 := value, ENABLE DEVICE TYPE 6, STORE DTR AS FAST FADE TIME twice.
LinkResult dalikit_StoreFastFadeTime(const BusLink& link, uint8_t address, uint8_t value);

// DTR0 := level, then STORE THE DTR AS SCENE n (0x40 | n) twice.
LinkResult dalikit_StoreScene(const BusLink& link, uint8_t address, int scene, uint8_t level);

// DTR0 := location (result ignored), idle wait, then READ MEMORY LOCATION as a
// query. The memory bank is the gear's DTR1, which Kelvane never sets.
LinkResult dalikit_ReadMemoryLocation(const BusLink& link, uint8_t address, uint8_t location, uint8_t& answer,
                                      uint8_t& status);
