// The message queue of a backend whose system has none of Windows' kind: messages waiting for
// PeekWindowMessage, oldest first, and WM_QUIT held back until every other message is out.
#pragma once

#include "platform/messages.h"

#include <deque>

namespace platform {

class MessageQueue {
  public:
    void Post(const Message& message);

    // Queues WM_QUIT with `exitCode` as its wParam, delivered once the queue is otherwise empty.
    void PostQuit(int exitCode);

    // Takes the oldest message, or else a posted WM_QUIT, into `record`; false, leaving `record`
    // as it was, when there is neither.
    bool Take(Message& record);

    // Drops the waiting messages of one kind (those that something else replaces).
    void Drop(std::uint32_t message);

    void Clear();

  private:
    std::deque<Message> waiting_;
    bool quitPosted_ = false;
    int quitCode_ = 0;
};

} // namespace platform
