#include "platform/backend/headless/message_box_recorder.h"

namespace quendar {

MessageBoxRecorder::MessageBoxRecorder(std::optional<int> answer) : answer_(answer) {
    previous_ = SetMessageBoxHook([this](const MessageBoxRequest& request) {
        requests_.push_back(request);
        return answer_;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() { SetMessageBoxHook(std::move(previous_)); }

}  // namespace quendar
