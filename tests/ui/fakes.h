#pragma once

#include "model/message_sink.h"
#include "ui/platform/file_dialogs.h"

#include <QString>

#include <deque>
#include <optional>
#include <vector>

namespace velmora::testing {

// File dialogs that record the filters they were shown with and answer from queues; an
// empty queue, or nullopt in it, is a cancelled dialog.
class FakeFileDialogs : public FileDialogs {
public:
    std::optional<QString> openFileName(QWidget*, const QString& filter) override {
        openFilters.push_back(filter);
        return next(openAnswers);
    }
    std::optional<QString> saveFileName(QWidget*, const QString& filter) override {
        saveFilters.push_back(filter);
        return next(saveAnswers);
    }

    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::vector<QString> openFilters;
    std::vector<QString> saveFilters;

private:
    static std::optional<QString> next(std::deque<std::optional<QString>>& answers) {
        if (answers.empty()) {
            return std::nullopt;
        }
        if (!answers.front().has_value()) {
            answers.pop_front();
            return std::nullopt; // the dialog was cancelled
        }
        QString answer = *answers.front();
        answers.pop_front();
        return answer;
    }
};

// Message boxes: every message is recorded; questions are answered from `answers`
// (Cancel when it runs dry), plain messages with OK.
using FakeMessageBoxes = RecordingMessageSink;

} // namespace velmora::testing
