#include "entry/frmglos.h"
#include "practice/frmova.h"
#include "support/testprogram.h"

#include <QApplication>

using namespace Qt::StringLiterals;

// The colour settings as the main and the practice window paint them.
class ColorsTest : public QObject {
    Q_OBJECT

private slots:
    void windowsPaintTheirColors_data()
    {
        QTest::addColumn<QString>("window");  // whose load paints
        QTest::addColumn<QString>("control"); // empty: the window's surface
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("field"); // which of the six colours, 0 to 5
        QTest::addColumn<ColorValue>("value");
        QTest::addColumn<QColor>("color"); // a desktop colour is (0, role, 0), see below
        const auto plain = ColorValue(0x00563412);
        const QColor painted(0x12, 0x34, 0x56);
        const int window = QPalette::Window, base = QPalette::Base, text = QPalette::Text;
        const auto desktop = [](int role) { return QColor(0, role, 0); };
        const auto system = [](quint32 number) { return ColorValue(0x80000000 | number); };
        for (const char *surface : {"", "Text1", "Text2", "Text3", "Tid"})
            QTest::addRow("main %s", surface) << "frmglos" << surface << window << 0 << plain << painted;
        for (const char *box : {"txtsv", "txteng", "listGlos"}) {
            QTest::addRow("main %s back", box) << "frmglos" << box << base << 1 << plain << painted;
            QTest::addRow("main %s text", box) << "frmglos" << box << text << 2 << plain << painted;
        }
        for (const char *surface : {"", "Text1", "frsv", "Tid", "fr"})
            QTest::addRow("practice %s", surface) << "frmOva" << surface << window << 3 << plain << painted;
        // clang-format off
        QTest::newRow("practice box") << "frmOva" << "txteng" << base << 4 << plain << painted;
        QTest::newRow("practice text") << "frmOva" << "txteng" << text << 5 << plain << painted;
        // Desktop colours: 5 the window (box) background, 8 its text; an unused number the role's own.
        QTest::newRow("5 window") << "frmglos" << "txtsv" << base << 1 << system(5) << desktop(base);
        QTest::newRow("8 window text") << "frmOva" << "txteng" << text << 5 << system(8) << desktop(text);
        QTest::newRow("25 unused") << "frmglos" << "listGlos" << base << 1 << system(25) << desktop(base);
        // clang-format on
    }
    void windowsPaintTheirColors()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(int, field);
        QFETCH(ColorValue, value);
        QFETCH(QColor, color);
        QPalette desktop; // every role a colour of its own, so that a wrong role shows
        for (int r = 0; r < QPalette::NColorRoles; ++r)
            desktop.setColor(QPalette::ColorRole(r), QColor(0, r, 0));
        QApplication::setPalette(desktop);

        TestProgram t;
        AppState &s = t.session.state;
        ColorValue *const fields[] = {&s.entryColors.back,       &s.entryColors.boxBack,
                                      &s.entryColors.text,       &s.practiceColors.back,
                                      &s.practiceColors.boxBack, &s.practiceColors.text};
        *fields[field] = value;
        QWidget *form = window == u"frmglos" ? static_cast<QWidget *>(&t.main())
                                             : t.startPractice({{u"hus"_s, u"house"_s}});
        QWidget *widget = control.isEmpty() ? static_cast<QMainWindow *>(form)->centralWidget()
                                            : child<QWidget>(form, control);
        QCOMPARE(widget->palette().color(QPalette::ColorRole(role)), color);
        if (role == QPalette::Window)
            QVERIFY(widget->autoFillBackground());
    }
};

QTEST_MAIN(ColorsTest)
#include "tst_colors.moc"
