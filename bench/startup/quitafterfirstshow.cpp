// Linked into the start-up benchmark's programs: once the first window is on
// screen, the program prints that window's class on stdout and quits through
// its event loop, as if the user had closed it at once. It hooks in when the
// application object is created, so the program's main() stays as it ships.
// With ORDKVARNEN_FIRST_FRAME set to a file name, it also writes the window's
// first frame there as a PNG picture, so that two programs' first frames can
// be compared byte for byte.
#include <QApplication>
#include <QEvent>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace {

QWidget *widgetOf(const QWindow *window)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() == window)
            return widget;
    }
    return nullptr;
}

QByteArray classOf(const QWindow *window)
{
    const QWidget *widget = widgetOf(window);
    return widget ? widget->metaObject()->className() : window->metaObject()->className();
}

// What the window has painted into its backing store, as it went on screen;
// rendered afresh only where the platform cannot hand that out.
void saveFirstFrame(QWindow *window)
{
    const QString file = qEnvironmentVariable("ORDKVARNEN_FIRST_FRAME");
    if (file.isEmpty() || !window)
        return;
    QPixmap frame = window->screen()->grabWindow(window->winId());
    if (frame.isNull())
        if (QWidget *widget = widgetOf(window))
            frame = widget->grab();
    if (!frame.save(file, "PNG"))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
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
            QTimer::singleShot(0, qApp, [frame = QPointer<QWindow>(window)] {
                saveFirstFrame(frame);
                QCoreApplication::quit();
            });
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
