#pragma once
// Records every message box shown through the framework's seam and answers as scripted.
#include "framework/MessageBoxSeam.h"

#include <deque>
#include <string>
#include <vector>

namespace testing_support {

struct RecordedMessageBox {
    HWND owner;
    std::wstring text;
    std::wstring caption;
    UINT style;
};

class MessageBoxRecorder {
public:
    // Answers IDOK (or `defaultAnswer`) unless answers were queued with Answer().
    explicit MessageBoxRecorder(int defaultAnswer = IDOK);
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    void Answer(int answer) { m_answers.push_back(answer); }
    const std::vector<RecordedMessageBox>& Calls() const { return m_calls; }
    std::vector<std::wstring> Texts() const;
    void Clear() { m_calls.clear(); }

private:
    std::vector<RecordedMessageBox> m_calls;
    std::deque<int> m_answers;
    int m_defaultAnswer;
    fw::MessageBoxHandler m_previous;
};

}  // namespace testing_support
