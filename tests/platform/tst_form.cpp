#include "platform/form.h"
#include "platform/widgetdialogs.h"

#include <QLineEdit>
#include <QTest>

// A shown form whose buttons note their clicks; OK is the default button, after Avbryt was.
struct Window {
    Form form;
    QLineEdit *box = new QLineEdit("gammal text", &form);
    QPushButton *ok = new QPushButton("OK", &form), *cancel = new QPushButton("Avbryt", &form);
    QString clicked;
    Window()
    {
        for (QPushButton *button : {ok, cancel})
            QObject::connect(button, &QPushButton::clicked, [this, button] { clicked += button->text(); });
        form.setDefaultButton(cancel);
        form.setDefaultButton(ok);
        form.setCancelButton(cancel);
        form.show();
    }
};

class TestForm : public QObject {
    Q_OBJECT

private slots:
    void keysPressTheDefaultAndCancelButtons_data();
    void keysPressTheDefaultAndCancelButtons();
    void selectAllOnFocusSelectsTheWholeText();
    void nameFiltersForTheFileDialog();
};

void TestForm::keysPressTheDefaultAndCancelButtons_data()
{
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<bool>("hideDefault");
    QTest::addColumn<QString>("clicked");
    QTest::newRow("Enter") << QKeyCombination(Qt::Key_Return) << false << "OK";
    QTest::newRow("keypad Enter") << QKeyCombination(Qt::KeypadModifier | Qt::Key_Enter) << false << "OK";
    QTest::newRow("Esc") << QKeyCombination(Qt::Key_Escape) << false << "Avbryt";
    QTest::newRow("Ctrl+Enter") << QKeyCombination(Qt::ControlModifier | Qt::Key_Return) << false << "";
    QTest::newRow("hidden default") << QKeyCombination(Qt::Key_Return) << true << "";
}

void TestForm::keysPressTheDefaultAndCancelButtons()
{
    QFETCH(QKeyCombination, keys);
    QFETCH(bool, hideDefault);
    Window w;
    QVERIFY(w.ok->isDefault() && !w.cancel->isDefault());
    w.ok->setHidden(hideDefault);
    QTest::keyClick(w.box, keys.key(), keys.keyboardModifiers());
    QTEST(w.clicked, "clicked");
}

void TestForm::selectAllOnFocusSelectsTheWholeText()
{
    Window w;
    selectAllOnFocus(w.box);
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    w.cancel->setFocus();
    w.box->setFocus(); // not by Tab, which selects all by itself
    QCOMPARE(w.box->selectedText(), "gammal text");
}

void TestForm::nameFiltersForTheFileDialog()
{
    QCOMPARE(qtNameFilters("Glos(*.gls)|*.gls|Alla|*.*"), (QStringList{"Glos (*.gls)", "Alla (*)"}));
    QCOMPARE(qtNameFilters("Text|*.txt|Rest"), QStringList{"Text (*.txt)"}); // the odd entry is dropped
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
