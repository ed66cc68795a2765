#pragma once
// Types text into a widget key by key, letters beyond ASCII included (the
// test library's keyClicks knows ASCII keys only).

#include <QString>
#include <QTest>
#include <QWidget>

namespace talvoren
{
inline void TypeText(QWidget* widget, const QString& text)
{
    for (QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(widget, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

} // namespace talvoren
