#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>

#include <limits>
#include <type_traits>

class Clock;
class QMenu;

// The base of every program window.
//
// Life: the program builds a window on first use, registers it as its single
// instance and then runs Form_Load. Closing it, by code or by its close box,
// first asks mayUnload() (a window may refuse), then runs Form_Unload and
// emits unloaded(), after which the widget is deleted; the next use builds it
// afresh. discard() ends a window without asking and without Form_Unload, for
// the exit menus.
//
// Keys: desktop dialogs give Enter to a default button and Esc to a cancel
// button only inside a QDialog; these are ordinary modeless windows, so the
// behaviour is built here. Enter presses the push button that has the focus,
// otherwise the default button; Esc presses the cancel button. isDefault() is
// true on exactly the button that Enter would press.
class Form : public QMainWindow {
    Q_OBJECT

public:
    explicit Form(const Clock &clock, QWidget *parent = nullptr);

    virtual void Form_Load() {}

    // Closes the window as its close box does; false when it refused.
    bool unload() { return close(); }
    void discard();

    void setDefaultButton(QPushButton *button);
    void setCancelButton(QPushButton *button) { m_cancel = button; }
    // The button Enter presses now: the focused push button, else the default.
    QPushButton *enterButton() const;

    // The clock label "Tid" in parent, shown as the clock setting says when
    // the window loads, and the timer that refreshes it every second.
    QLabel *addClock(QWidget *parent, const QString &designText, const char *timerName, bool shown);
    // Writes "Klockan är HH:MM:SS" into the clock label.
    void updateClock();
    // Shows the window in front of the others, with the time as of now.
    void bringToFront();

    // A client area of a fixed size in twips, for windows laid out control by
    // control, set as the central widget.
    QWidget *createClient(int width, int height);
    // A menu of the menu bar, and an item in it, each carrying its name.
    QMenu *addMenu(const QString &text, const char *name);
    static QAction *addMenuItem(QMenu *menu, const QString &text, const char *name);

    // Layout in twips (1/1440 inch), scaled to this screen's resolution.
    int twips(int value) const;
    void placeTwips(QWidget *widget, int left, int top, int width, int height) const;

signals:
    // The close was accepted and the unload routine has run.
    void unloaded();

protected:
    virtual bool mayUnload() { return true; }
    virtual void Form_Unload() {}

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void markEnterButton();
    void fitClientToControls();

    const Clock &m_clock;
    QPointer<QPushButton> m_default;
    QPointer<QPushButton> m_cancel;
    QLabel *m_tid = nullptr;
    bool m_discarding = false;
};

// Makes a text box select its whole text when it gets the focus, so that
// typing replaces it.
void selectAllOnFocus(QLineEdit *box);

// Gives a control the name that tests and tools find it by, and its tooltip.
// Labels show their text as typed, never as markup, and text boxes take text
// of any length instead of cutting it at Qt's default limit.
template <class W> W *named(W *widget, const char *name, const QString &toolTip = {})
{
    widget->setObjectName(QString::fromUtf8(name));
    widget->setToolTip(toolTip);
    if constexpr (std::is_base_of_v<QLabel, W>)
        widget->setTextFormat(Qt::PlainText);
    if constexpr (std::is_base_of_v<QLineEdit, W>)
        widget->setMaxLength(std::numeric_limits<int>::max());
    return widget;
}
