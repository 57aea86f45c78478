#include "platform/accessibility.h"
#include "platform/form.h"
#include "support/fakes.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
// A window that records its unload routine and may refuse to close.
class RecordingForm final : public Form {
public:
    explicit RecordingForm(const Clock &clock)
        : Form(clock)
    {
    }
    bool refuse = false;
    QStringList *log = nullptr;

protected:
    bool mayUnload() override { return !refuse; }
    void Form_Unload() override { *log << u"unload"_s; }
};
} // namespace

class TestForm : public QObject {
    Q_OBJECT

private slots:
    void enterPressesTheFocusedButtonElseTheDefault()
    {
        Form form(clock);
        auto *box = named(new QLineEdit(u"gammal text"_s, &form), "box");
        // Words are shown as typed and kept whole, however long.
        QCOMPARE(named(new QLabel(&form), "word")->textFormat(), Qt::PlainText);
        QVERIFY(box->maxLength() > 1000000);
        auto *ok = new QPushButton(u"OK"_s, &form);
        auto *cancel = new QPushButton(u"Avbryt"_s, &form);
        auto *other = new QPushButton(u"Annan"_s, &form);
        QString clicked;
        for (QPushButton *button : {ok, cancel, other})
            connect(button, &QPushButton::clicked, [&clicked, button] { clicked += button->text() + u' '; });
        form.setDefaultButton(cancel);
        form.setDefaultButton(ok);
        form.setCancelButton(cancel);
        selectAllOnFocus(box);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        other->setFocus();
        QVERIFY(other->isDefault() && !ok->isDefault()); // the focused button takes Enter
        QTest::keyClick(other, Qt::Key_Return);
        box->setFocus(); // not by Tab, which selects all by itself
        QCOMPARE(box->selectedText(), u"gammal text"_s);
        QVERIFY(ok->isDefault() && !other->isDefault() && !cancel->isDefault());

        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(box, Qt::Key_Escape);
        ok->hide(); // a hidden default button is not pressed
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(clicked, u"Annan OK OK Avbryt "_s);
    }

    void closeRunsUnloadOnlyWhenAccepted()
    {
        QStringList log;
        auto *form = new RecordingForm(clock);
        form->log = &log;
        connect(form, &Form::unloaded, [&log] { log << u"unloaded"_s; });
        QPointer<Form> alive(form);
        form->show();
        form->refuse = true;
        QVERIFY(!form->unload());
        QCOMPARE(log, QStringList());
        form->refuse = false;
        QVERIFY(form->unload());
        QCOMPARE(log, (QStringList{"unload", "unloaded"}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!alive); // unloading discards the controls

        form = new RecordingForm(clock); // the exit menus skip the unload routine, refusal or not
        form->log = &log;
        form->refuse = true;
        form->discard();
        QCOMPARE(log, (QStringList{"unload", "unloaded"}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void clockTicksEvenWhenHidden()
    {
        Form form(clock);
        QLabel *tid = form.addClock(&form, u"Label1"_s, "Timer1", false);
        QCOMPARE(tid->objectName() + tid->text(), u"TidLabel1"_s);
        auto *timer = form.findChild<QTimer *>(u"Timer1"_s);
        QVERIFY(timer && timer->isActive() && timer->interval() == 1000);
        QVERIFY(tid->isHidden());
        clock.time = QTime(23, 59, 58);
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        QCOMPARE(tid->text(), u"Klockan är 23:59:58"_s);
    }

    // A text box is named by the label ending in ':' just to its left on its
    // line, else just above it; the box is at (100, 50), 100 by 20.
    void captionLabelsNameBoxes_data()
    {
        QTest::addColumn<QRect>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::newRow("beside") << QRect(10, 50, 80, 20) << u"S&venska:"_s << u"Svenska"_s;
        QTest::newRow("beside, centre on its last line")
            << QRect(10, 60, 80, 19) << u"S&venska:"_s << u"Svenska"_s;
        QTest::newRow("above") << QRect(120, 20, 80, 20) << u"&&Engelska :"_s << u"&Engelska"_s;
        QTest::newRow("nearest of two") << QRect(0, 50, 20, 20) << u"Långt:"_s << u"Nära"_s;
        QTest::newRow("right of it") << QRect(210, 50, 80, 20) << u"Höger:"_s << QString();
        QTest::newRow("left, a line lower") << QRect(10, 75, 80, 20) << u"Lägre:"_s << QString();
        QTest::newRow("above, to its left") << QRect(0, 20, 90, 20) << u"Snett:"_s << QString();
        QTest::newRow("no colon") << QRect(10, 50, 80, 20) << u"Svenska"_s << QString();
    }
    void captionLabelsNameBoxes()
    {
        QFETCH(QRect, label);
        QFETCH(QString, text);
        QFETCH(QString, name);
        QWidget window;
        auto *box = new QLineEdit(&window);
        box->setGeometry(100, 50, 100, 20);
        (new QLabel(text, &window))->setGeometry(label);
        if (QByteArray(QTest::currentDataTag()) == "nearest of two")
            (new QLabel(u"Nära:"_s, &window))->setGeometry(40, 50, 50, 20);
        describeControls(&window);
        QCOMPARE(box->accessibleName(), name);
    }

private:
    FakeClock clock;
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
