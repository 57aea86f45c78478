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

private:
    FakeClock clock;
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
