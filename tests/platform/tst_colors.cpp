#include "platform/palettecolor.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

class ColorsTest : public QObject {
    Q_OBJECT

private slots:
    void widgetsTakeTheirColors_data();
    void widgetsTakeTheirColors();
};

void ColorsTest::widgetsTakeTheirColors_data()
{
    QTest::addColumn<ColorValue>("value");
    QTest::addColumn<QColor>("color"); // a desktop colour is (0, role, 0), see below; invalid: the role's own
    QTest::newRow("plain light yellow") << ColorValue(0x0080FFFF) << QColor(255, 255, 128);
    QTest::newRow("5 window") << ColorValue(0x80000005) << QColor(0, QPalette::Base, 0);
    QTest::newRow("8 window text") << ColorValue(0x80000008) << QColor(0, QPalette::Text, 0);
    QTest::newRow("25 unused") << ColorValue(0x80000019) << QColor();
}

void ColorsTest::widgetsTakeTheirColors()
{
    QFETCH(ColorValue, value);
    QFETCH(QColor, color);
    QPalette desktop; // every role a colour of its own, so that a wrong role shows
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        desktop.setColor(QPalette::ColorRole(role), QColor(0, role, 0));
    QApplication::setPalette(desktop);
    QWidget window;
    for (QWidget *widget : std::initializer_list<QWidget *>{new QLineEdit(&window), new QLabel(&window)}) {
        const auto back = qobject_cast<QLineEdit *>(widget) ? QPalette::Base : QPalette::Window;
        const auto text = back == QPalette::Base ? QPalette::Text : QPalette::WindowText;
        QPalette expected = desktop; // only those roles change; text keeps the desktop's look when disabled
        expected.setColor(back, color.isValid() ? color : desktop.color(back));
        for (const auto group : {QPalette::Active, QPalette::Inactive})
            expected.setColor(group, text, color.isValid() ? color : desktop.color(text));
        paintText(widget, 0x00000000); // a system colour replaces a plain one
        paintText(widget, value);
        paintBackground(widget, value);
        QVERIFY(widget->palette() == expected);
        QCOMPARE(widget->autoFillBackground(), back == QPalette::Window);
    }
    QCOMPARE(value < 0x80000000u ? toColorValue(color) : value, value); // plain colours go back and forth
}

QTEST_MAIN(ColorsTest)
#include "tst_colors.moc"
