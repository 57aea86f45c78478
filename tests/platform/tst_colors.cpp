#include "platform/colorvalue.h"
#include "platform/palettecolor.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace {

// Every role of every state a colour of its own, so that a wrong role shows.
QPalette distinctPalette()
{
    QPalette palette;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            palette.setColor(QPalette::ColorGroup(group), QPalette::ColorRole(role),
                             QColor(10 + 60 * group, 5 * role, 200));
    }
    return palette;
}

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor LightYellow(255, 255, 128);

} // namespace

class ColorsTest : public QObject {
    Q_OBJECT

private slots:
    void plainValuesHoldRedInTheLowestByte_data();
    void plainValuesHoldRedInTheLowestByte();
    void systemValuesCarryTheirNumber_data();
    void systemValuesCarryTheirNumber();
    void systemColorsComeFromThePalette_data();
    void systemColorsComeFromThePalette();
    void unknownSystemColorsUseTheFallback_data();
    void unknownSystemColorsUseTheFallback();
    void plainColorsSurviveTheWayToQColorAndBack_data();
    void plainColorsSurviveTheWayToQColorAndBack();
    void otherColorSpecsAndTransparencyBecomePlainValues();

    void textBoxesGetTheBoxColors_data();
    void textBoxesGetTheBoxColors();
    void labelsGetTheSurfaceColors();
    void systemColorReplacesAnEarlierPaint();
    void windowColorsDoNotReachTheBoxesInside();
    void disabledTextKeepsTheDesktopLook();
};

void ColorsTest::plainValuesHoldRedInTheLowestByte_data()
{
    QTest::addColumn<ColorValue>("value");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::newRow("light yellow") << ColorValue(0x0080FFFF) << 0xFF << 0xFF << 0x80;
    QTest::newRow("blue") << ColorValue(0x00FF0000) << 0 << 0 << 0xFF;
    QTest::newRow("red") << ColorValue(0x000000FF) << 0xFF << 0 << 0;
    QTest::newRow("black") << ColorValue(0) << 0 << 0 << 0;
    QTest::newRow("mixed") << ColorValue(0x00123456) << 0x56 << 0x34 << 0x12;
}

void ColorsTest::plainValuesHoldRedInTheLowestByte()
{
    QFETCH(ColorValue, value);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QVERIFY(!isSystemColor(value));
    QCOMPARE(redOf(value), red);
    QCOMPARE(greenOf(value), green);
    QCOMPARE(blueOf(value), blue);
    QCOMPARE(plainColor(red, green, blue), value);
    QCOMPARE(paintColor(value, distinctPalette()), QColor(red, green, blue));
}

void ColorsTest::systemValuesCarryTheirNumber_data()
{
    QTest::addColumn<ColorValue>("value");
    QTest::addColumn<int>("index");
    QTest::newRow("window background") << ColorValue(0x80000005) << SystemWindowBackground;
    QTest::newRow("window text") << ColorValue(0x80000008) << SystemWindowText;
    QTest::newRow("button face") << ColorValue(0x8000000F) << 15;
    QTest::newRow("scroll bar") << ColorValue(0x80000000) << 0;
}

void ColorsTest::systemValuesCarryTheirNumber()
{
    QFETCH(ColorValue, value);
    QFETCH(int, index);
    QVERIFY(isSystemColor(value));
    QCOMPARE(systemColorIndex(value), index);
    QCOMPARE(systemColor(index), value);
}

void ColorsTest::systemColorsComeFromThePalette_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QPalette::ColorGroup>("group");
    QTest::addColumn<QPalette::ColorRole>("role");
    QTest::newRow("window background is the box") << 5 << QPalette::Active << QPalette::Base;
    QTest::newRow("window text is the box text") << 8 << QPalette::Active << QPalette::Text;
    QTest::newRow("menu") << 4 << QPalette::Active << QPalette::Window;
    QTest::newRow("menu text") << 7 << QPalette::Active << QPalette::WindowText;
    QTest::newRow("highlight") << 13 << QPalette::Active << QPalette::Highlight;
    QTest::newRow("highlight text") << 14 << QPalette::Active << QPalette::HighlightedText;
    QTest::newRow("button face") << 15 << QPalette::Active << QPalette::Button;
    QTest::newRow("grey text") << 17 << QPalette::Disabled << QPalette::Text;
    QTest::newRow("button text") << 18 << QPalette::Active << QPalette::ButtonText;
    QTest::newRow("tooltip text") << 23 << QPalette::Active << QPalette::ToolTipText;
    QTest::newRow("tooltip background") << 24 << QPalette::Active << QPalette::ToolTipBase;
}

void ColorsTest::systemColorsComeFromThePalette()
{
    QFETCH(int, index);
    QFETCH(QPalette::ColorGroup, group);
    QFETCH(QPalette::ColorRole, role);
    const QPalette palette = distinctPalette();
    QCOMPARE(paintColor(systemColor(index), palette), palette.color(group, role));
}

void ColorsTest::unknownSystemColorsUseTheFallback_data()
{
    QTest::addColumn<ColorValue>("value");
    QTest::newRow("unused number 25") << ColorValue(0x80000019);
    QTest::newRow("beyond the known numbers") << ColorValue(0x80000063);
    QTest::newRow("number in the upper bytes") << ColorValue(0x80FF0005);
}

void ColorsTest::unknownSystemColorsUseTheFallback()
{
    QFETCH(ColorValue, value);
    const QPalette palette = distinctPalette();
    QCOMPARE(paintColor(value, palette), palette.color(QPalette::Active, QPalette::Base));
    QCOMPARE(paintColor(value, palette, QPalette::WindowText),
             palette.color(QPalette::Active, QPalette::WindowText));
}

void ColorsTest::plainColorsSurviveTheWayToQColorAndBack_data()
{
    QTest::addColumn<ColorValue>("value");
    QTest::newRow("blue") << ColorValue(0x00FF0000);
    QTest::newRow("light yellow") << ColorValue(0x0080FFFF);
    QTest::newRow("white") << ColorValue(0x00FFFFFF);
    QTest::newRow("mixed") << ColorValue(0x00010203);
}

void ColorsTest::plainColorsSurviveTheWayToQColorAndBack()
{
    QFETCH(ColorValue, value);
    QCOMPARE(toColorValue(paintColor(value, QPalette())), value);
}

void ColorsTest::otherColorSpecsAndTransparencyBecomePlainValues()
{
    QCOMPARE(toColorValue(QColor::fromHsv(120, 255, 255)), ColorValue(0x0000FF00));
    QCOMPARE(toColorValue(QColor(255, 0, 0, 10)), ColorValue(0x000000FF));
}

void ColorsTest::textBoxesGetTheBoxColors_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("line edit") << QStringLiteral("line edit");
    QTest::newRow("list") << QStringLiteral("list");
}

void ColorsTest::textBoxesGetTheBoxColors()
{
    QFETCH(QString, kind);
    QLineEdit lineEdit;
    QListWidget list;
    QWidget *box = kind == u"list" ? static_cast<QWidget *>(&list) : &lineEdit;
    const QColor windowBefore = box->palette().color(QPalette::Window);

    paintBackground(box, 0x0080FFFF);
    paintText(box, 0x000000FF);

    QCOMPARE(box->palette().color(QPalette::Base), LightYellow);
    QCOMPARE(box->palette().color(QPalette::Inactive, QPalette::Base), LightYellow);
    QCOMPARE(box->palette().color(QPalette::Text), Red);
    QCOMPARE(box->palette().color(QPalette::Window), windowBefore);
}

void ColorsTest::labelsGetTheSurfaceColors()
{
    QLabel label(QStringLiteral("Ord:"));
    const QColor baseBefore = label.palette().color(QPalette::Base);

    paintBackground(&label, 0x00FF0000);
    paintText(&label, 0x000000FF);

    QVERIFY(label.autoFillBackground());
    QCOMPARE(label.palette().color(QPalette::Window), Blue);
    QCOMPARE(label.palette().color(QPalette::WindowText), Red);
    QCOMPARE(label.palette().color(QPalette::Base), baseBefore);
}

void ColorsTest::systemColorReplacesAnEarlierPaint()
{
    QLineEdit box;
    paintBackground(&box, 0x000000FF);
    paintText(&box, 0x00FF0000);

    paintBackground(&box, systemColor(SystemWindowBackground));
    paintText(&box, systemColor(SystemWindowText));

    const QPalette desktop = QApplication::palette(&box);
    QCOMPARE(box.palette().color(QPalette::Base), desktop.color(QPalette::Active, QPalette::Base));
    QCOMPARE(box.palette().color(QPalette::Text), desktop.color(QPalette::Active, QPalette::Text));
}

void ColorsTest::windowColorsDoNotReachTheBoxesInside()
{
    QWidget window;
    auto *box = new QLineEdit(&window);
    auto *label = new QLabel(&window);
    const QColor boxBase = box->palette().color(QPalette::Base);

    paintBackground(&window, 0x00FF0000);

    QCOMPARE(box->palette().color(QPalette::Base), boxBase);
    // Labels show the window through, as they did on the old desktop.
    QCOMPARE(label->palette().color(QPalette::Window), Blue);
}

void ColorsTest::disabledTextKeepsTheDesktopLook()
{
    QLineEdit box;
    const QColor disabledText = box.palette().color(QPalette::Disabled, QPalette::Text);
    paintText(&box, 0x000000FF);
    QCOMPARE(box.palette().color(QPalette::Disabled, QPalette::Text), disabledText);
}

QTEST_MAIN(ColorsTest)
#include "tst_colors.moc"
