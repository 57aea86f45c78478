#include "platform/colorvalue.h"
#include "platform/palettecolor.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

// Every role of every state a colour of its own, so that a wrong role shows.
static QPalette distinctPalette()
{
    QPalette palette;
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            palette.setColor(QPalette::ColorGroup(group), QPalette::ColorRole(role), QColor(group, role, 0));
    return palette;
}

class ColorsTest : public QObject {
    Q_OBJECT

private slots:
    void valuesBecomeColors_data();
    void valuesBecomeColors();
    void boxesAndLabelsGetTheirOwnRoles();
};

void ColorsTest::valuesBecomeColors_data()
{
    QTest::addColumn<ColorValue>("value");
    QTest::addColumn<QColor>("color"); // unknown numbers: the fallback role, WindowText here
    const QPalette p = distinctPalette();
    QTest::newRow("plain light yellow") << ColorValue(0x0080FFFF) << QColor(255, 255, 128);
    QTest::newRow("plain mixed") << ColorValue(0x00123456) << QColor(0x56, 0x34, 0x12);
    QTest::newRow("5 window") << ColorValue(0x80000005) << p.color(QPalette::Active, QPalette::Base);
    QTest::newRow("8 window text") << ColorValue(0x80000008) << p.color(QPalette::Active, QPalette::Text);
    QTest::newRow("17 grey text") << ColorValue(0x80000011) << p.color(QPalette::Disabled, QPalette::Text);
    QTest::newRow("25 unused") << ColorValue(0x80000019) << p.color(QPalette::Active, QPalette::WindowText);
    QTest::newRow("FF0005") << ColorValue(0x80FF0005) << p.color(QPalette::Active, QPalette::WindowText);
}

void ColorsTest::valuesBecomeColors()
{
    QFETCH(ColorValue, value);
    QFETCH(QColor, color);
    QCOMPARE(paintColor(value, distinctPalette(), QPalette::WindowText), color);
    if (value < 0x80000000u)
        QCOMPARE(toColorValue(color), value);
}

void ColorsTest::boxesAndLabelsGetTheirOwnRoles()
{
    const auto check = [](QWidget *widget, QPalette::ColorRole back, QPalette::ColorRole text) {
        // Only the two roles change; text keeps the desktop's look when disabled.
        QPalette expected = widget->palette();
        expected.setColor(back, QColor(255, 255, 128));
        expected.setColor(QPalette::Active, text, Qt::red);
        expected.setColor(QPalette::Inactive, text, Qt::red);
        paintBackground(widget, 0x0080FFFF);
        paintText(widget, 0x000000FF);
        QVERIFY(widget->palette() == expected);
        QCOMPARE(widget->autoFillBackground(), back == QPalette::Window);
        // A system colour replaces the plain one again.
        paintBackground(widget, systemColor(SystemWindowBackground));
        paintText(widget, systemColor(SystemWindowText));
        const QPalette desktop = QApplication::palette(widget);
        QCOMPARE(widget->palette().color(back), desktop.color(QPalette::Active, QPalette::Base));
        QCOMPARE(widget->palette().color(text), desktop.color(QPalette::Active, QPalette::Text));
    };
    QLineEdit box;
    check(&box, QPalette::Base, QPalette::Text);
    QLabel label;
    check(&label, QPalette::Window, QPalette::WindowText);
}

QTEST_MAIN(ColorsTest)
#include "tst_colors.moc"
