#include "gui/platform/QtMessageSink.h"

#include <QApplication>
#include <QMessageBox>
#include <string>
#include <vector>

namespace talvoren
{
namespace
{
// The message in the interface language: its format translated, then its
// arguments, each translated as a message of its own (a path or a reason
// has no translation and stays as it is).
std::string Translated(const MESSAGETEXT& message)
{
    std::vector<std::string> args;
    args.reserve(message.args.size());
    for (const MESSAGETEXT& arg : message.args)
        args.push_back(Translated(arg));
    const QString format = QCoreApplication::translate(kMessageContext, message.strFormat.c_str());
    return MESSAGETEXT::FillPlaces(format.toStdString(), args);
}
}

CQtMessageSink::CQtMessageSink() : m_previous(SetMessageSink(this))
{
}

CQtMessageSink::~CQtMessageSink()
{
    SetMessageSink(m_previous);
}

void CQtMessageSink::ShowMessage(const MESSAGETEXT& message, MessageIcon icon, const std::string& caption)
{
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (icon) {
    case MessageIcon::Error:
    case MessageIcon::Stop: boxIcon = QMessageBox::Critical; break;
    case MessageIcon::Information: boxIcon = QMessageBox::Information; break;
    case MessageIcon::None: break;
    }
    const QString text = QString::fromStdString(Translated(message));
    QMessageBox box(boxIcon, QCoreApplication::translate(kMessageContext, caption.c_str()), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    // Messages name files and quote data: shown as written, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace talvoren
