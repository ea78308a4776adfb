#pragma once
// The HID backend: real Pellix controllers through hidapi (hidraw).

#include "kit/kit_backend.h"

#include <memory>

namespace kit {

std::shared_ptr<Backend> makeHidBackend();

}  // namespace kit
