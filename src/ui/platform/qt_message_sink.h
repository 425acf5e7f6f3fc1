#pragma once

#include "model/message_sink.h"

class QWidget;

namespace velmora {

// Shows each message as a modal message box over `parent`: its title, text, icon and
// buttons (OK, or Yes/No/Cancel for a question). Closing a question box counts as Cancel.
class QtMessageSink : public MessageSink {
public:
    explicit QtMessageSink(QWidget* parent = nullptr) : parent_(parent) {}

    void setParent(QWidget* parent) { parent_ = parent; }
    MessageAnswer show(const Message& message) override;

private:
    QWidget* parent_;
};

} // namespace velmora
