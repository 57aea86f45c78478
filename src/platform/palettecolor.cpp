#include "platform/palettecolor.h"

#include "platform/colorvalue.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <array>

namespace {

struct PaletteEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr PaletteEntry active(QPalette::ColorRole role)
{
    return {QPalette::Active, role};
}

// The desktop's system colours by number, as the nearest palette entry.
// Number 5, "window", was the background of text boxes and lists, not of
// dialogs, so it is Base; its text, number 8, is Text.
constexpr std::array<PaletteEntry, 31> SystemColors = {
    active(QPalette::Button),                   //  0 scroll bar
    active(QPalette::Dark),                     //  1 desktop
    active(QPalette::Highlight),                //  2 active caption
    active(QPalette::Mid),                      //  3 inactive caption
    active(QPalette::Window),                   //  4 menu
    active(QPalette::Base),                     //  5 window
    active(QPalette::Shadow),                   //  6 window frame
    active(QPalette::WindowText),               //  7 menu text
    active(QPalette::Text),                     //  8 window text
    active(QPalette::HighlightedText),          //  9 caption text
    active(QPalette::Window),                   // 10 active border
    active(QPalette::Window),                   // 11 inactive border
    active(QPalette::Mid),                      // 12 application workspace
    active(QPalette::Highlight),                // 13 highlight
    active(QPalette::HighlightedText),          // 14 highlight text
    active(QPalette::Button),                   // 15 button face
    active(QPalette::Dark),                     // 16 button shadow
    {QPalette::Disabled, QPalette::Text},       // 17 grey text
    active(QPalette::ButtonText),               // 18 button text
    {QPalette::Disabled, QPalette::WindowText}, // 19 inactive caption text
    active(QPalette::Light),                    // 20 button highlight
    active(QPalette::Shadow),                   // 21 dark 3D shadow
    active(QPalette::Midlight),                 // 22 3D light
    active(QPalette::ToolTipText),              // 23 tooltip text
    active(QPalette::ToolTipBase),              // 24 tooltip background
    {QPalette::Active, QPalette::NoRole},       // 25 unused
    active(QPalette::Link),                     // 26 hot-tracked item
    active(QPalette::Highlight),                // 27 active caption gradient
    active(QPalette::Mid),                      // 28 inactive caption gradient
    active(QPalette::Highlight),                // 29 menu highlight
    active(QPalette::Window),                   // 30 menu bar
};

bool isTextBox(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QTextEdit *>(widget) ||
           qobject_cast<const QPlainTextEdit *>(widget) || qobject_cast<const QAbstractItemView *>(widget) ||
           qobject_cast<const QAbstractSpinBox *>(widget) || qobject_cast<const QComboBox *>(widget);
}

// Sets role in the normal and the inactive state; the disabled state keeps
// the desktop's look so that a disabled control still reads as disabled.
void setEnabledColor(QPalette &palette, QPalette::ColorRole role, const QColor &color)
{
    palette.setColor(QPalette::Active, role, color);
    palette.setColor(QPalette::Inactive, role, color);
}

} // namespace

QColor paintColor(ColorValue value, const QPalette &palette, QPalette::ColorRole fallback)
{
    if (!isSystemColor(value))
        return QColor(redOf(value), greenOf(value), blueOf(value));
    const auto index = std::size_t(systemColorIndex(value));
    const PaletteEntry entry = index < SystemColors.size() ? SystemColors[index] : active(QPalette::NoRole);
    if (entry.role == QPalette::NoRole)
        return palette.color(QPalette::Active, fallback);
    return palette.color(entry.group, entry.role);
}

ColorValue toColorValue(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return plainColor(rgb.red(), rgb.green(), rgb.blue());
}

ColorValue paintedInTextBox(ColorValue value)
{
    return toColorValue(paintColor(value, QApplication::palette("QLineEdit")));
}

void paintBackground(QWidget *widget, ColorValue back)
{
    const QPalette::ColorRole role = isTextBox(widget) ? QPalette::Base : QPalette::Window;
    QPalette palette = widget->palette();
    // Background colours stay in every state, as they did on the old desktop.
    palette.setColor(role, paintColor(back, QApplication::palette(widget), role));
    widget->setPalette(palette);
    if (role == QPalette::Window)
        widget->setAutoFillBackground(true);
}

void paintText(QWidget *widget, ColorValue text)
{
    const QPalette::ColorRole role = isTextBox(widget) ? QPalette::Text : QPalette::WindowText;
    QPalette palette = widget->palette();
    setEnabledColor(palette, role, paintColor(text, QApplication::palette(widget), role));
    widget->setPalette(palette);
}
