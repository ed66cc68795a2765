#include "gui/platform/QtMessageSink.h"

#include <QApplication>
#include <QMessageBox>

namespace talvoren
{
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
    const std::string format = QCoreApplication::translate(kMessageContext, message.strFormat.c_str()).toStdString();
    const QString text = QString::fromStdString(MESSAGETEXT::FillPlaces(format, message.args));
    QMessageBox box(boxIcon, QCoreApplication::translate(kMessageContext, caption.c_str()), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    // Messages name files and quote data: shown as written, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace talvoren
