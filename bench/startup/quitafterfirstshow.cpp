// Linked into the start-up benchmark's programs: once the first window is on
// screen, the program prints that window's class on stdout and quits through
// its event loop, as if the user had closed it at once. It hooks in when the
// application object is created, so the program's main() stays as it ships.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace {

QByteArray classOf(const QWindow *window)
{
    for (const QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() == window)
            return widget->metaObject()->className();
    }
    return window->metaObject()->className();
}

class QuitAfterFirstShow final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Expose || m_shown)
            return false;
        auto *window = qobject_cast<QWindow *>(watched);
        if (window && window->isExposed()) {
            m_shown = true;
            std::printf("first window: %s\n", classOf(window).constData());
            std::fflush(stdout);
            // Queued, so that the window paints itself before the program quits.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool m_shown = false;
};

void installQuitAfterFirstShow()
{
    qApp->installEventFilter(new QuitAfterFirstShow(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installQuitAfterFirstShow)
