#pragma once
// Records the messages that the core shows, while it is alive.

#include "platform/MessageSink.h"

#include <string>
#include <vector>

namespace talvoren
{
class CRecordingMessageSink : public CMessageSink
{
public:
    CRecordingMessageSink() : m_previous(SetMessageSink(this)) {}
    ~CRecordingMessageSink() override { SetMessageSink(m_previous); }

    void ShowMessage(const MESSAGETEXT& message, MessageIcon icon, const std::string&) override
    {
        m_messages.push_back(message.Text());
        m_icons.push_back(icon);
    }

    const std::vector<std::string>& Messages() const { return m_messages; }
    const std::vector<MessageIcon>& Icons() const { return m_icons; }
    void Clear() { m_messages.clear(); m_icons.clear(); }

private:
    CMessageSink* m_previous;
    std::vector<std::string> m_messages;
    std::vector<MessageIcon> m_icons;
};

} // namespace talvoren
