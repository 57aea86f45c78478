#include "platform/form.h"

#include "platform/accessibility.h"
#include "platform/clock.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTimer>

Form::Form(const Clock &clock, QWidget *parent)
    : QMainWindow(parent)
    , m_clock(clock)
{
    // Unloading a window discards its controls; the next use loads it afresh.
    setAttribute(Qt::WA_DeleteOnClose);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && now->window() == this)
            markEnterButton();
    });
}

void Form::discard()
{
    m_discarding = true;
    close();
}

void Form::setDefaultButton(QPushButton *button)
{
    m_default = button;
    markEnterButton();
}

QPushButton *Form::enterButton() const
{
    auto *focused = qobject_cast<QPushButton *>(focusWidget());
    if (focused && focused->isVisible() && focused->isEnabled())
        return focused;
    return m_default;
}

void Form::markEnterButton()
{
    QPushButton *target = enterButton();
    for (QPushButton *candidate : findChildren<QPushButton *>()) {
        if (candidate->window() == this) // not the buttons of a box shown over this window
            candidate->setDefault(candidate == target);
    }
}

QLabel *Form::addClock(QWidget *parent, const QString &designText, const char *timerName, bool shown)
{
    m_tid = named(new QLabel(designText, parent), "Tid");
    m_tid->setVisible(shown);
    auto *timer = new QTimer(this);
    timer->setObjectName(QString::fromUtf8(timerName));
    connect(timer, &QTimer::timeout, this, &Form::updateClock);
    timer->start(1000);
    return m_tid;
}

void Form::updateClock()
{
    if (m_tid)
        m_tid->setText(clockText(m_clock.now()));
}

void Form::bringToFront()
{
    show();
    raise();
    activateWindow();
    updateClock();
}

QWidget *Form::createClient(int width, int height)
{
    auto *client = new QWidget;
    client->setFixedSize(twips(width), twips(height));
    setCentralWidget(client);
    return client;
}

QMenu *Form::addMenu(const QString &text, const char *name)
{
    QMenu *menu = menuBar()->addMenu(text);
    menu->setObjectName(QString::fromUtf8(name));
    return menu;
}

QAction *Form::addMenuItem(QMenu *menu, const QString &text, const char *name)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QString::fromUtf8(name));
    return action;
}

int Form::twips(int value) const
{
    return qRound(value * logicalDpiX() / 1440.0);
}

void Form::placeTwips(QWidget *widget, int left, int top, int width, int height) const
{
    widget->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

void Form::fitClientToControls()
{
    // The design's sizes come from a desktop with smaller fonts: a label grows
    // to show its whole text, and the client area to hold every control.
    QWidget *client = centralWidget();
    if (!client || client->minimumSize() != client->maximumSize())
        return; // laid out by a layout, which sizes everything itself
    for (QLabel *label : client->findChildren<QLabel *>()) {
        if (label->wordWrap() || label->size().expandedTo(label->sizeHint()) == label->size())
            continue;
        label->resize(label->size().expandedTo(label->sizeHint()));
        label->raise(); // a caption reaching into the box below it stays readable
    }
    const QRect used = client->childrenRect();
    client->setFixedSize(client->size().expandedTo(QSize(used.right() + 1, used.bottom() + 1)));
}

void Form::showEvent(QShowEvent *event)
{
    fitClientToControls();
    // Screen readers and the Tab key follow the controls as they are placed
    // now; every window has built them all by its first show.
    describeControls(this);
    orderTabsByReading(this);
    QMainWindow::showEvent(event);
}

void Form::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escape = event->key() == Qt::Key_Escape;
    QPushButton *target = enter ? enterButton() : escape ? m_cancel.data() : nullptr;
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (target && target->isVisible() && target->isEnabled()) {
            target->click();
            event->accept();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

void Form::closeEvent(QCloseEvent *event)
{
    if (!m_discarding && !mayUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    if (!m_discarding)
        Form_Unload();
    emit unloaded();
}

namespace {
class SelectAllOnFocus final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn)
            static_cast<QLineEdit *>(watched)->selectAll();
        return false;
    }
};
} // namespace

void selectAllOnFocus(QLineEdit *box)
{
    box->installEventFilter(new SelectAllOnFocus(box));
}
