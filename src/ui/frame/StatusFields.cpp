// The status bar's fields, and what each says of the active document.
#include "ui/frame/StatusFields.h"

#include "core/checker/Finding.h"
#include "ui/checker/CheckerForum.h"
#include "ui/checker/DocumentChecks.h"
#include "ui/document/DocumentFile.h"
#include "ui/document/DocumentWindow.h"
#include "ui/frame/Frame.h"
#include "ui/platform/Accessibility.h"

#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace Quillwright {

StatusFields::StatusFields(Frame& frame) : QObject(frame.widget()), m_frame(frame)
{
    QStatusBar* bar = frame.widget()->statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    m_statusPanel = new QLabel(bar);
    Accessibility::makeAnnouncer(m_statusPanel);
    m_statusPanel->setText(tr("Status"));
    m_encodingPanel = new QToolButton(bar);
    m_encodingPanel->setObjectName(QStringLiteral("encodingPanel"));
    m_encodingPanel->setToolTip(
        tr("The encoding the script is saved in: a click chooses it for the next save"));
    m_encodingPanel->setAutoRaise(true);
    m_encodingPanel->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_encodingPanel->setPopupMode(QToolButton::InstantPopup);
    auto* encodings = new QMenu(m_encodingPanel);
    encodings->setObjectName(QStringLiteral("encodingMenu"));
    for (TextEncoding e : {TextEncoding::Windows1252, TextEncoding::Utf8}) {
        QAction* a = encodings->addAction(encodingName(e));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, e] {
            DocumentWindow* doc = m_frame.activeDocument();
            if (!doc)
                return;
            // UTF-8 with its mark is UTF-8 already: the mark stays.
            const TextEncoding now = doc->file().encoding();
            const bool utf8Already = now == TextEncoding::Utf8 || now == TextEncoding::Utf8WithBom;
            if (e == TextEncoding::Windows1252 || !utf8Already)
                doc->file().setEncoding(e);
            m_frame.updateMenus();
        });
    }
    connect(encodings, &QMenu::aboutToShow, this, [this, encodings] {
        // A legacy code page (a translation's Big5) is neither: both unchecked.
        const DocumentWindow* doc = m_frame.activeDocument();
        const TextEncoding e = doc ? doc->file().encoding() : TextEncoding::Windows1252;
        encodings->actions()[0]->setChecked(doc && e == TextEncoding::Windows1252);
        encodings->actions()[1]->setChecked(
            doc && (e == TextEncoding::Utf8 || e == TextEncoding::Utf8WithBom));
    });
    m_encodingPanel->setMenu(encodings);
    m_datePanel = new QLabel(bar);
    m_datePanel->setObjectName(QStringLiteral("datePanel"));
    m_timePanel = new QLabel(bar);
    m_timePanel->setObjectName(QStringLiteral("timePanel"));
    // The status names files: plain text, whatever their names hold.
    for (QLabel* panel : {m_statusPanel, m_datePanel, m_timePanel})
        panel->setTextFormat(Qt::PlainText);
    Accessibility::makeQuiet(m_datePanel, tr("Date"));
    Accessibility::makeQuiet(m_timePanel, tr("Time"));
    bar->addWidget(m_statusPanel, 1);
    // The checker's findings, after the status: a click or F8 goes to the next.
    m_checkPanel = new QToolButton(bar);
    m_checkPanel->setObjectName(QStringLiteral("checkPanel"));
    m_checkPanel->setAutoRaise(true);
    m_checkPanel->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_checkPanel->setToolTip(tr("The script checker's findings: a click or F8 goes to the next "
                                "(Shift+F8 the one before)"));
    m_checkPanel->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* forum = new QAction(tr("Check against forum files..."), m_checkPanel);
    forum->setObjectName(QStringLiteral("checkAgainstForum"));
    m_checkPanel->addAction(forum);
    connect(forum, &QAction::triggered, &frame.forum(), &CheckerForum::choose);
    // The forum, and the kinds of problem not to report (the one at the caret).
    connect(m_checkPanel, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu;
        menu.addActions(m_checkPanel->actions());
        DocumentWindow* doc = m_frame.activeDocument();
        emit ruleMenuRequested(menu, doc ? doc->checks().ruleAtCaret() : QString());
        menu.exec(m_checkPanel->mapToGlobal(at));
    });
    connect(m_checkPanel, &QToolButton::clicked, this, [this] {
        if (DocumentWindow* doc = m_frame.activeDocument())
            doc->checks().goToFinding(1);
    });
    bar->addPermanentWidget(m_checkPanel);
    bar->addPermanentWidget(m_encodingPanel);
    bar->addPermanentWidget(m_datePanel);
    bar->addPermanentWidget(m_timePanel);
    auto refresh = [this] {
        const QDateTime now = QDateTime::currentDateTime();
        // Set only when the words change; being quiet, the labels tell
        // assistive technology nothing of it.
        const QString date = QLocale().toString(now.date(), QLocale::ShortFormat);
        const QString time = QLocale().toString(now.time(), QLocale::ShortFormat);
        if (m_datePanel->text() != date)
            m_datePanel->setText(date);
        if (m_timePanel->text() != time)
            m_timePanel->setText(time);
    };
    refresh();
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, refresh);
    clock->start(1000);
}

void StatusFields::update()
{
    const DocumentWindow* doc = m_frame.activeDocument();
    m_encodingPanel->setText(doc ? encodingName(doc->file().encoding()) : QString());
    m_encodingPanel->setEnabled(doc != nullptr);
    m_checkPanel->setText(doc ? Checker::summary(Checker::count(doc->checks().findings()))
                              : QString());
    showDocumentStatus();
}

void StatusFields::showDocumentStatus()
{
    const DocumentWindow* doc = m_frame.activeDocument();
    const QString message = doc ? doc->statusMessage() : QString();
    if (!message.isEmpty()) {
        if (!m_statusOwned)
            m_statusIdle = m_statusPanel->text();
        m_statusOwned = true;
        Accessibility::announce(m_statusPanel, message);
    } else if (m_statusOwned) {
        m_statusOwned = false;
        m_statusPanel->setText(m_statusIdle);
    }
}

} // namespace Quillwright
