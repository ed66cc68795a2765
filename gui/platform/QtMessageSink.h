#pragma once
// The desktop program's message sink: every message of the core becomes a
// modal message box.

#include "platform/MessageSink.h"

namespace talvoren
{
class CQtMessageSink : public CMessageSink
{
public:
    CQtMessageSink();                 // installs itself
    ~CQtMessageSink() override;       // puts the previous sink back
    CQtMessageSink(const CQtMessageSink&) = delete;
    CQtMessageSink& operator=(const CQtMessageSink&) = delete;

    // Shows the message box in the interface language: the fixed text is
    // translated, then the arguments are put in.
    void ShowMessage(const MESSAGETEXT& message, MessageIcon icon, const std::string& caption) override;

private:
    CMessageSink* m_previous;
};

} // namespace talvoren
