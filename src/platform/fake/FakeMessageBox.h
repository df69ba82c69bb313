#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/MessageBox.h"

namespace cdx {

// Answers questions from a script (No when the script has run out) and
// records every question and error it was shown.
class FakeMessageBox : public MessageBox {
public:
    bool askYesNo(const std::string& question) override
    {
        m_questions.push_back(question);
        if (m_answers.empty()) {
            return false;
        }
        const bool answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    void showError(const std::string& text) override { m_errors.push_back(text); }
    void showInformation(const std::string& text) override { m_informations.push_back(text); }
    void showWarning(const std::string& text) override { m_warnings.push_back(text); }

    void queueAnswer(bool yes) { m_answers.push_back(yes); }
    const std::vector<std::string>& questions() const { return m_questions; }
    const std::vector<std::string>& errors() const { return m_errors; }
    const std::vector<std::string>& informations() const { return m_informations; }
    const std::vector<std::string>& warnings() const { return m_warnings; }
    void clear()
    {
        m_questions.clear();
        m_errors.clear();
        m_informations.clear();
        m_warnings.clear();
    }

private:
    std::deque<bool> m_answers;
    std::vector<std::string> m_questions;
    std::vector<std::string> m_errors;
    std::vector<std::string> m_informations;
    std::vector<std::string> m_warnings;
};

} // namespace cdx
