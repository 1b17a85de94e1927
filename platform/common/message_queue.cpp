#include "platform/common/message_queue.h"

#include <algorithm>

namespace platform {

void MessageQueue::Post(const Message& message) {
    waiting_.push_back(message);
}

void MessageQueue::PostQuit(int exitCode) {
    quitPosted_ = true;
    quitCode_ = exitCode;
}

bool MessageQueue::Take(Message& record) {
    if (!waiting_.empty()) {
        record = waiting_.front();
        waiting_.pop_front();
        return true;
    }
    if (quitPosted_) {
        quitPosted_ = false;
        record = MakeMessage(nullptr, WM_QUIT, static_cast<WParam>(quitCode_));
        return true;
    }
    return false;
}

void MessageQueue::Drop(std::uint32_t message) {
    std::erase_if(waiting_, [message](const Message& m) { return m.message == message; });
}

void MessageQueue::Clear() {
    waiting_.clear();
    quitPosted_ = false;
    quitCode_ = 0;
}

} // namespace platform
