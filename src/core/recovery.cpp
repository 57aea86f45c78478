#include "core/recovery.h"

#include "core/session.h"
#include "core/store.h"

QString recoveryProblemText(const QString &error)
{
    return QStringLiteral("Glosorna kan inte kopieras för återställning: ") + error;
}

Recovery::Recovery(Session &session)
    : m_session(session)
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(1000);
    connect(&m_delay, &QTimer::timeout, this, &Recovery::write);
    connect(&session, &Session::listChanged, this, &Recovery::changed);
    connect(&session, &Session::savedChanged, this, &Recovery::changed);
}

void Recovery::changed()
{
    if (m_session.hasUnsavedPairs()) {
        if (!m_delay.isActive()) // not restarted: a second after the first change at most
            m_delay.start();
        return;
    }
    m_delay.stop();
    if (std::exchange(m_haveCopy, false))
        tell(m_session.store().dropCopy().error);
}

void Recovery::flush()
{
    if (m_delay.isActive()) {
        m_delay.stop();
        write();
    }
}

void Recovery::write()
{
    if (!m_session.hasUnsavedPairs())
        return;
    const StoreOutcome kept = m_session.store().keepCopy(m_session.wordFile(), m_session.list().pairs());
    m_haveCopy = m_haveCopy || kept.ok();
    tell(kept.error);
}

void Recovery::tell(const QString &error)
{
    if (error.isEmpty() || std::exchange(m_told, true))
        return;
    m_session.dialogs().inform(recoveryProblemText(error));
}
