#pragma once
// Records every message box the program asks for while it lives, and
// answers each at once with a fixed answer (IDOK unless told otherwise), or
// lets the real box run so that a test can drive it.

#include <optional>
#include <vector>

#include "platform/message_box.h"

namespace quendar {

class MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(std::optional<int> answer = IDOK);
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    // None: show the real box.
    void AnswerWith(std::optional<int> answer) { answer_ = answer; }
    const std::vector<MessageBoxRequest>& Requests() const { return requests_; }

private:
    std::optional<int> answer_;
    std::vector<MessageBoxRequest> requests_;
    MessageBoxHook previous_;
};

}  // namespace quendar
