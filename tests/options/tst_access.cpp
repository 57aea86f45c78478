#include "options/access.h"

#include <QTest>

class TestAccess : public QObject {
    Q_OBJECT

private slots:
    void rightsOfEachUser_data();
    void rightsOfEachUser();
};

void TestAccess::rightsOfEachUser_data()
{
    QTest::addColumn<int>("user");
    QTest::addColumn<FileAccess>("files");
    QTest::addColumn<bool>("append");
    QTest::addColumn<QString>("caption");
    QTest::newRow("standard") << 0 << FileAccess::StandardUser << false << "";
    QTest::newRow("Kvarto") << 1 << FileAccess::Allowed << true << "   Användare:Kvarto";
    QTest::newRow("Lumba") << 2 << FileAccess::Allowed << false << "   Användare:Lumba";
    QTest::newRow("Trevian") << 3 << FileAccess::Allowed << false << "";
    QTest::newRow("Mirvel") << 4 << FileAccess::OtherUser << false << "";
    QTest::newRow("out of range") << 255 << FileAccess::OtherUser << false << "";
}

void TestAccess::rightsOfEachUser()
{
    QFETCH(int, user);
    QFETCH(FileAccess, files);
    QFETCH(bool, append);
    QFETCH(QString, caption);
    QCOMPARE(fileAccess(quint8(user)), files);
    QCOMPARE(mayAppendFromFile(quint8(user)), append);
    QCOMPARE(captionUserSuffix(quint8(user)), caption);
    QCOMPARE(refusalText(files).isEmpty(), files == FileAccess::Allowed);
}

QTEST_GUILESS_MAIN(TestAccess)
#include "tst_access.moc"
