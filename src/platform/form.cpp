#include "platform/form.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

Form::Form(QWidget *parent)
    : QMainWindow(parent)
{
    // Unloading a window discards its controls; the next use loads it afresh.
    setAttribute(Qt::WA_DeleteOnClose);
}

void Form::setDefaultButton(QPushButton *button)
{
    m_default = button;
    for (QPushButton *candidate : findChildren<QPushButton *>())
        candidate->setDefault(candidate == button);
}

void Form::setCancelButton(QPushButton *button)
{
    m_cancel = button;
}

QWidget *Form::createClient(int width, int height)
{
    auto *client = new QWidget;
    client->setFixedSize(twips(width), twips(height));
    setCentralWidget(client);
    return client;
}

QTimer *Form::startClockTimer(const char *name)
{
    auto *timer = new QTimer(this);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(1000);
    timer->start();
    return timer;
}

QMenu *Form::addMenu(const QString &text, const char *name)
{
    QMenu *menu = menuBar()->addMenu(text);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction *Form::addMenuItem(QMenu *menu, const QString &text, const char *name)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
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

void Form::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escape = event->key() == Qt::Key_Escape;
    QPushButton *target = enter ? m_default.data() : escape ? m_cancel.data() : nullptr;
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
    emit closing();
    QMainWindow::closeEvent(event);
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
