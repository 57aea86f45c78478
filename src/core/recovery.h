#pragma once

#include <QObject>
#include <QTimer>

class Session;

// The one message of a store that cannot keep the copy.
QString recoveryProblemText(const QString &error);

// Keeps a copy of the session's list in the store while it holds unsaved
// pairs: written at most a second after each change (changes in between are
// coalesced) and at once when the program is asked to end; removed once the
// pairs are saved, replaced or cleared. A store that cannot be written is
// told of once per run; nothing else stops for it.
class Recovery final : public QObject {
    Q_OBJECT

public:
    explicit Recovery(Session &session);

    // Writes a change not yet copied, now.
    void flush();

private:
    void changed();
    void write();
    void tell(const QString &error);

    Session &m_session;
    QTimer m_delay;
    bool m_haveCopy = false;
    bool m_told = false;
};
