#include "text_queue.h"

#include <utility>

#include "../win32/win32_host.h"

namespace vuz {

void TextQueue::add(PrintedText text) {
    if (lines_.size() >= MaxLines) {
        // A loop that prints without ever starting a frame would otherwise grow without end.
        if (!overflowReported_) win32::log("engine: more than 4096 texts printed in one frame, the rest is dropped");
        overflowReported_ = true;
        return;
    }
    lines_.push_back(std::move(text));
}

void TextQueue::reset() {
    lines_.clear();
    colour_ = {1.0f, 1.0f, 1.0f, 1.0f};
    overflowReported_ = false;
}

}  // namespace vuz
