#include "dali/frame_decoder.h"

namespace dali {

FrameDecoder::Decoded FrameDecoder::feed(uint64_t timeUs, uint8_t first, uint8_t second) {
    // Any frame between two copies breaks the pair, whoever it addresses; a
    // third copy counts as a new first copy.
    const bool repeated = last_ && last_->awaitingRepeat && last_->first == first && last_->second == second &&
                          timeUs >= last_->timeUs && timeUs - last_->timeUs <= kRepeatWindowUs;
    Decoded decoded;
    decoded.deviceType = repeated ? last_->deviceType : enabled_;
    decoded.meaning = decodeForwardFrame(first, second, decoded.deviceType);
    const bool configuration = decoded.meaning.command && decoded.meaning.command->sentTwice;
    decoded.firstCopy = configuration && !repeated;
    decoded.repeat = configuration && repeated;
    last_ = Seen{first, second, timeUs, decoded.deviceType, decoded.firstCopy};
    enabled_ = first == code(SpecialOp::EnableDeviceType) ? second : -1;
    return decoded;
}

void FrameDecoder::reset() {
    last_.reset();
    enabled_ = -1;
}

}  // namespace dali
