#include "app/identity.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTest>

// The desktop links windows to the menu entry by the window class and the
// desktop file name; both must be the id the entry and icon are installed under.
class TestIdentity : public QObject {
    Q_OBJECT

private slots:
    void windowsCarryTheMenuEntrysIdAndIcon()
    {
        setApplicationIdentity();
        QCOMPARE(QCoreApplication::applicationName(), ApplicationId);
        QCOMPARE(QGuiApplication::desktopFileName(), ApplicationId);
        QVERIFY(!QGuiApplication::windowIcon().isNull());
        QVERIFY(!QGuiApplication::windowIcon().pixmap(32).isNull());

        const QString entry = QStringLiteral(ORDKVARNEN_DESKTOP_DIR "/") + ApplicationId;
        QVERIFY(QFile::exists(entry + QStringLiteral(".svg")));
        QSettings desktop(entry + QStringLiteral(".desktop"), QSettings::IniFormat);
        desktop.beginGroup(QStringLiteral("Desktop Entry"));
        QCOMPARE(desktop.value(QStringLiteral("StartupWMClass")).toString(), ApplicationId);
        QCOMPARE(desktop.value(QStringLiteral("Icon")).toString(), ApplicationId);
    }
};

QTEST_MAIN(TestIdentity)
#include "tst_identity.moc"
