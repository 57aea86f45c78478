#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGHUP and SIGINT as a Qt signal: the handler only writes a byte
// to a socket, and the event loop turns it into ended(), so that the program
// can write what it must keep before it ends.
class EndSignals final : public QObject {
    Q_OBJECT

public:
    EndSignals();
    ~EndSignals() override;

signals:
    void ended();

private:
    QSocketNotifier *m_notifier = nullptr;
};
