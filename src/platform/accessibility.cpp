#include "platform/accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <algorithm>
#include <optional>

namespace {

// Captions mark their access key with '&'; a reader says the text without it.
QString withoutAccessKey(QString caption)
{
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&')
            caption.remove(i, 1); // "&&" leaves one '&', skipped by ++i
    }
    return caption;
}

// The controls that show no caption of their own.
bool needsCaption(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QPlainTextEdit *>(widget) ||
           qobject_cast<const QTextEdit *>(widget) || qobject_cast<const QAbstractItemView *>(widget);
}

// The caption label of a control: a sibling label ending in ':' just to its
// left on the same line, or just above it and overlapping it sideways.
QLabel *captionLabel(QWidget *control)
{
    QWidget *parent = control->parentWidget();
    if (!parent)
        return nullptr;
    const QRect box = control->geometry();
    const int reach = std::max(box.height(), control->fontMetrics().height() * 2);
    QLabel *best = nullptr;
    int bestGap = reach + 1;
    for (QLabel *label : parent->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        if (!label->text().trimmed().endsWith(u':'))
            continue;
        const QRect caption = label->geometry();
        const bool sameLine = caption.center().y() >= box.top() && caption.center().y() <= box.bottom();
        const bool overlapsSideways = caption.left() <= box.right() && caption.right() >= box.left();
        std::optional<int> gap;
        if (sameLine && caption.right() <= box.left())
            gap = box.left() - caption.right();
        else if (overlapsSideways && caption.bottom() <= box.top())
            gap = box.top() - caption.bottom();
        if (gap && *gap < bestGap) {
            best = label;
            bestGap = *gap;
        }
    }
    return best;
}

// The caption a control shows itself, which Qt hands to screen readers.
QString ownCaption(const QWidget *control)
{
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return withoutAccessKey(button->text());
    if (auto *frame = qobject_cast<const QGroupBox *>(control))
        return withoutAccessKey(frame->title());
    return {};
}

// A name for a control without a caption of its own: its caption label, its
// tooltip, or the window's caption when it fills the window.
QString givenName(QWidget *control, QWidget *window)
{
    if (QLabel *label = captionLabel(control)) {
        label->setBuddy(control); // tells readers which label belongs to it
        return withoutAccessKey(label->text()).trimmed().chopped(1).trimmed();
    }
    if (!control->toolTip().isEmpty())
        return control->toolTip();
    if (auto *main = qobject_cast<QMainWindow *>(window); main && main->centralWidget() == control)
        return window->windowTitle();
    return {};
}

} // namespace

void describeControls(QWidget *window)
{
    if (window->accessibleDescription().isEmpty())
        window->setAccessibleDescription(window->windowTitle().isEmpty() ? window->accessibleName()
                                                                         : window->windowTitle());
    for (QWidget *control : window->findChildren<QWidget *>()) {
        QString name = control->accessibleName();
        if (auto *menu = qobject_cast<QMenu *>(control); menu && name.isEmpty()) {
            name = withoutAccessKey(menu->title());
            control->setAccessibleName(name);
        } else if (control->window() != window) {
            continue;
        } else if (name.isEmpty() && needsCaption(control)) {
            name = givenName(control, window);
            control->setAccessibleName(name);
        } else if (name.isEmpty()) {
            name = ownCaption(control);
        }
        if (!name.isEmpty() && control->accessibleDescription().isEmpty() && control->toolTip().isEmpty())
            control->setAccessibleDescription(name);
    }
}

namespace {

bool takesTab(const QWidget *widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

// Whether a reader meets a before b, of two controls side by side in one parent.
bool readBefore(const QRect &a, const QRect &b)
{
    if (a.bottom() < b.top())
        return true; // wholly above
    if (b.bottom() < a.top())
        return false;
    return a.left() < b.left();
}

// The controls below parent in reading order: among the children the one no
// other is read before, and so on (creation order where that does not
// decide); a frame's controls in place of the frame.
void collectInReadingOrder(QWidget *parent, QList<QWidget *> &order)
{
    QList<QWidget *> children;
    for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow())
            children.append(child);
    }
    while (!children.isEmpty()) {
        const auto first = std::find_if(children.begin(), children.end(), [&](const QWidget *candidate) {
            return std::none_of(children.begin(), children.end(), [&](const QWidget *other) {
                return other != candidate && readBefore(other->geometry(), candidate->geometry());
            });
        });
        QWidget *next =
            first == children.end() ? children.takeFirst() : children.takeAt(first - children.begin());
        if (takesTab(next))
            order.append(next); // a control's inner parts are its own business
        else
            collectInReadingOrder(next, order);
    }
}

} // namespace

void orderTabsByReading(QWidget *window)
{
    QList<QWidget *> order;
    collectInReadingOrder(window, order);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
