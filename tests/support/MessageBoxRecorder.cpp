#include "support/MessageBoxRecorder.h"

namespace testing_support {

MessageBoxRecorder::MessageBoxRecorder(int defaultAnswer) : m_defaultAnswer(defaultAnswer) {
    m_previous = fw::SetMessageBoxHandler(
        [this](HWND owner, const std::wstring& text, const std::wstring& caption, UINT style) {
            m_calls.push_back({owner, text, caption, style});
            if (m_answers.empty()) return m_defaultAnswer;
            const int answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        });
}

MessageBoxRecorder::~MessageBoxRecorder() { fw::SetMessageBoxHandler(m_previous); }

std::vector<std::wstring> MessageBoxRecorder::Texts() const {
    std::vector<std::wstring> texts;
    for (const auto& call : m_calls) texts.push_back(call.text);
    return texts;
}

}  // namespace testing_support
