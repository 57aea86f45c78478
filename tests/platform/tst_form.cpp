#include "platform/form.h"
#include "platform/widgetdialogs.h"
#include "support/typing.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class TestForm : public QObject {
    Q_OBJECT

private slots:
    void enterPressesTheDefaultAndEscTheCancelButton();
    void onlyOneButtonIsDefault();
    void hiddenDefaultButtonIsNotPressed();
    void selectAllOnFocusSelectsTheWholeText();
    void nameFiltersForTheFileDialog_data();
    void nameFiltersForTheFileDialog();
};

namespace {
struct Window {
    Form form;
    QLineEdit *box = new QLineEdit;
    QPushButton *ok = new QPushButton(QStringLiteral("OK"));
    QPushButton *cancel = new QPushButton(QStringLiteral("Avbryt"));
    QPushButton *other = new QPushButton(QStringLiteral("Annan"));

    Window()
    {
        auto *client = new QWidget;
        auto *layout = new QVBoxLayout(client);
        for (QWidget *w : {static_cast<QWidget *>(box), static_cast<QWidget *>(ok),
                           static_cast<QWidget *>(cancel), static_cast<QWidget *>(other)})
            layout->addWidget(w);
        form.setCentralWidget(client);
        form.show();
    }
};
} // namespace

void TestForm::enterPressesTheDefaultAndEscTheCancelButton()
{
    Window w;
    w.form.setDefaultButton(w.ok);
    w.form.setCancelButton(w.cancel);
    QSignalSpy okSpy(w.ok, &QPushButton::clicked);
    QSignalSpy cancelSpy(w.cancel, &QPushButton::clicked);

    pressEnter(w.box);
    QTest::keyClick(w.box, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(w.other, Qt::Key_Escape);
    QCOMPARE(okSpy.count(), 2);
    QCOMPARE(cancelSpy.count(), 1);

    // Enter with a modifier is left to the controls.
    QTest::keyClick(w.box, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(okSpy.count(), 2);
}

void TestForm::onlyOneButtonIsDefault()
{
    Window w;
    w.form.setDefaultButton(w.ok);
    QVERIFY(w.ok->isDefault());
    w.form.setDefaultButton(w.other);
    QVERIFY(!w.ok->isDefault());
    QVERIFY(w.other->isDefault());
    QCOMPARE(w.form.defaultButton(), w.other);

    QSignalSpy otherSpy(w.other, &QPushButton::clicked);
    pressEnter(w.box);
    QCOMPARE(otherSpy.count(), 1);
}

void TestForm::hiddenDefaultButtonIsNotPressed()
{
    Window w;
    w.form.setDefaultButton(w.ok);
    w.ok->hide();
    QSignalSpy okSpy(w.ok, &QPushButton::clicked);
    pressEnter(w.box);
    QCOMPARE(okSpy.count(), 0);
}

void TestForm::selectAllOnFocusSelectsTheWholeText()
{
    Window w;
    w.box->setText(QStringLiteral("gammal text"));
    selectAllOnFocus(w.box);
    w.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    w.other->setFocus();
    w.box->setFocus(Qt::TabFocusReason);
    QCOMPARE(w.box->selectedText(), QStringLiteral("gammal text"));
    typeText(w.box, QStringLiteral("ny"));
    QCOMPARE(w.box->text(), QStringLiteral("ny"));
}

void TestForm::nameFiltersForTheFileDialog_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("open") << "Glos filer(*.gls)|*.gls|Alla filer(*.*)|*.*"
                          << QStringList{"Glos filer (*.gls)", "Alla filer (*)"};
    QTest::newRow("save") << "Glos filer(*.gls)|*.gls|Alla filer|*.*"
                          << QStringList{"Glos filer (*.gls)", "Alla filer (*)"};
    QTest::newRow("odd entry dropped") << "Text|*.txt|Rest" << QStringList{"Text (*.txt)"};
}

void TestForm::nameFiltersForTheFileDialog()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(qtNameFilters(filter), expected);
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
