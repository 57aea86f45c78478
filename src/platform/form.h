#pragma once

#include <QMainWindow>
#include <QPointer>

#include <QPushButton>

class QLineEdit;
class QMenu;
class QTimer;

// The base of every program window. Desktop dialogs give Enter to a default
// button and Esc to a cancel button only inside a QDialog; the program's
// windows are ordinary modeless windows, so the behaviour is built here once:
// Enter that no control takes presses the default button, Esc the cancel
// button, and QPushButton::isDefault() always names the current default.
class Form : public QMainWindow {
    Q_OBJECT

public:
    explicit Form(QWidget *parent = nullptr);

    void setDefaultButton(QPushButton *button);
    void setCancelButton(QPushButton *button);
    QPushButton *defaultButton() const { return m_default; }
    QPushButton *cancelButton() const { return m_cancel; }

    // A client area of a fixed size in twips, for windows laid out control by
    // control, set as the central widget.
    QWidget *createClient(int width, int height);
    // The timer of a window's clock, firing every second.
    QTimer *startClockTimer(const char *name);
    // A menu of the menu bar, and an item in it, each carrying its name.
    QMenu *addMenu(const QString &text, const char *name);
    static QAction *addMenuItem(QMenu *menu, const QString &text, const char *name);

    // Layout in twips (1/1440 inch), scaled to this screen's resolution.
    int twips(int value) const;
    void placeTwips(QWidget *widget, int left, int top, int width, int height) const;

signals:
    // The window is being unloaded: closed by code or by its close box.
    void closing();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QPointer<QPushButton> m_default;
    QPointer<QPushButton> m_cancel;
};

// Makes a text box select its whole text when it gets the focus, so that
// typing replaces it.
void selectAllOnFocus(QLineEdit *box);

// Gives a control the name that tests and tools find it by, and its tooltip.
template <class W> W *named(W *widget, const char *name, const QString &toolTip = {})
{
    widget->setObjectName(QString::fromUtf8(name));
    widget->setToolTip(toolTip);
    return widget;
}
