#pragma once

#include <QKeyEvent>
#include <QObject>

namespace Quillwright {

// A key pressed with Alt (and not Ctrl: Ctrl+Alt is AltGr on many layouts)
// that no shortcut took is a command the program does not have, never text:
// a menu without a mnemonic in one language must not type its letter.
inline bool isUnboundAltKey(const QKeyEvent* e)
{
    const Qt::KeyboardModifiers mods = e->modifiers();
    return (mods & Qt::AltModifier) && !(mods & Qt::ControlModifier) && !e->text().isEmpty();
}

// Installed on a text field, keeps such keys from typing into it.
class AltKeysTypeNothing : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && isUnboundAltKey(static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace Quillwright
