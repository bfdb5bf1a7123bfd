#include "ui/find/FieldHistory.h"

#include "core/script/ModFormat.h"
#include "core/settings/SettingsStore.h"

#include <QCompleter>
#include <QLineEdit>
#include <QStringListModel>

namespace Quillwright {

namespace {
const QString Section = QStringLiteral("History");
}

QStringList FieldHistory::entries() const
{
    QStringList out;
    for (int i = 0; m_settings && i < Length; ++i) {
        const QString e = m_settings->value(ModFormat::programTitle(), Section, key(i), QString());
        if (!e.isEmpty())
            out << e;
    }
    return out;
}

void FieldHistory::remember(const QString& text)
{
    if (!m_settings || text.isEmpty())
        return;
    QStringList list = entries();
    list.removeAll(text);
    list.prepend(text);
    for (int i = 0; i < Length; ++i)
        m_settings->setValue(ModFormat::programTitle(), Section, key(i), list.value(i));
}

void FieldHistory::offer(QLineEdit* field, std::function<void()> chosen) const
{
    const QStringList list = entries();
    // Not the field's own completer: that would pop up at every letter typed.
    auto* completer = field->findChild<QCompleter*>();
    if (!completer) {
        completer = new QCompleter(new QStringListModel(field), field);
        completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
        completer->setWidget(field);
        QObject::connect(completer, qOverload<const QString&>(&QCompleter::activated), field,
                         [field, chosen](const QString& entry) {
                             field->setText(entry);
                             chosen();
                         });
    }
    static_cast<QStringListModel*>(completer->model())->setStringList(list);
    if (!list.isEmpty())
        completer->complete();
}

} // namespace Quillwright
