#pragma once

// Records the game's message boxes; answers each with the next scripted answer, else OK.

#include "messagebox.h"

#include <QList>

#include <deque>
#include <initializer_list>

class MessageScript
{
public:
    // The answers, in turn, of the first boxes.
    explicit MessageScript(std::initializer_list<int> first = {}) : answers(first) { install(); }
    ~MessageScript() { platform::setMessageBoxResponder({}); }
    MessageScript(const MessageScript &) = delete;
    MessageScript &operator=(const MessageScript &) = delete;

    // Answers from here on; again after a test has let the real boxes show.
    void install()
    {
        platform::setMessageBoxResponder([this](const platform::MessageBoxRequest &request) {
            asked.append(request);
            if (answers.empty())
                return unscripted;
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }

    MessageScript &then(int answer)
    {
        answers.push_back(answer);
        return *this;
    }

    QStringList prompts() const
    {
        QStringList list;
        for (const auto &request : asked)
            list.append(request.prompt);
        return list;
    }

    QList<platform::MessageBoxRequest> asked;
    std::deque<int> answers;
    int unscripted = platform::MsgBoxAnswer::Ok; // once the script is used up
};
