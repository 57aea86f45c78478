#include "platform/form.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

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
