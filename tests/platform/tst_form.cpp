#include "platform/form.h"
#include "platform/widgetdialogs.h"

#include <QLineEdit>
#include <QTest>

class TestForm : public QObject {
    Q_OBJECT

private slots:
    void keysPressTheButtonsAndFocusSelectsAll();
    void nameFiltersForTheFileDialog();
};

void TestForm::keysPressTheButtonsAndFocusSelectsAll()
{
    Form form; // OK is the default button, after Avbryt was
    auto *box = new QLineEdit("gammal text", &form);
    auto *ok = new QPushButton("OK", &form), *cancel = new QPushButton("Avbryt", &form);
    QString clicked;
    for (QPushButton *button : {ok, cancel})
        QObject::connect(button, &QPushButton::clicked, [&clicked, button] { clicked += button->text(); });
    form.setDefaultButton(cancel);
    form.setDefaultButton(ok);
    form.setCancelButton(cancel);
    QVERIFY(ok->isDefault() && !cancel->isDefault());
    selectAllOnFocus(box);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    cancel->setFocus();
    box->setFocus(); // not by Tab, which selects all by itself
    QCOMPARE(box->selectedText(), "gammal text");

    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(clicked, "OK");
    QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(clicked, "OKOK");
    QTest::keyClick(box, Qt::Key_Escape);
    QCOMPARE(clicked, "OKOKAvbryt");
    ok->hide(); // a hidden default button is not pressed
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(clicked, "OKOKAvbryt");
}

void TestForm::nameFiltersForTheFileDialog()
{
    QCOMPARE(qtNameFilters("Glos(*.gls)|*.gls|Alla|*.*"), (QStringList{"Glos (*.gls)", "Alla (*)"}));
    QCOMPARE(qtNameFilters("Text|*.txt|Rest"), QStringList{"Text (*.txt)"}); // the odd entry is dropped
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
