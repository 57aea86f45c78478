#include "support/testprogram.h"

#include "platform/modules.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QRegularExpression>
#include <QTabBar>

TestProgram::TestProgram(const QString &storeFile)
    : paths(dataHome.path(), {})
    , store(storeFile.isEmpty() ? dataHome.filePath(u"ordkvarnen/ordkvarnen.sqlite"_s) : storeFile)
    , program({dialogs, clock, random, paths, speaker, store, [this] { ++quits; }})
{
    session.state.applyStartDefaults();
    // Backups of saves made in place go to a cache folder of this program's own.
    qputenv("XDG_CACHE_HOME", QFile::encodeName(dataHome.filePath(u"cache"_s)));
    // The charts are drawn by the module built beside the program.
    setModuleFolder(u"" ORDKVARNEN_BUILD_MODULES ""_s);
}

TestProgram::~TestProgram()
{
    program.discardAll();
    flushDeletes();
}

FrmGlos &TestProgram::main()
{
    FrmGlos &window = program.frmglos.get();
    if (!window.isActiveWindow()) {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the main window did not become active");
    }
    return window;
}

void TestProgram::addPairs(const QList<WordPair> &pairs)
{
    for (const WordPair &pair : pairs) {
        typeText(child<QLineEdit>(&main(), u"txtsv"_s), pair.swedish);
        typeText(child<QLineEdit>(&main(), u"txteng"_s), pair.english);
        QTest::mouseClick(child<QPushButton>(&main(), u"cmdNästa"_s), Qt::LeftButton);
    }
}

QStringList TestProgram::listed()
{
    auto *list = child<QListWidget>(&main(), u"listGlos"_s);
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

template <class T> T *TestProgram::find(const QString &name)
{
    for (QWidget *window : {QApplication::activeWindow(), static_cast<QWidget *>(program.frmglos.loaded())})
        if (T *found = window ? window->findChild<T *>(name) : nullptr)
            return found;
    return nullptr;
}

QWidget *TestProgram::active()
{
    QWidget *window = QApplication::activeWindow();
    return window ? window : program.frmglos.loaded();
}

void TestProgram::run(const QString &steps)
{
    QCoreApplication::processEvents(); // a window shown by code becomes the active one
    if (!QApplication::activeWindow())
        main();
    const QStringList list = steps.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString step = list[i], name = step.section(u'=', 0, 0), value = step.section(u'=', 1);
        if (step == u"Ja" || step == u"Nej" || name == u"fil" || name == u"färg")
            continue; // queued with the step before
        for (qsizetype next = i + 1; next < list.size(); ++next) {
            const QString answer = list[next], kind = answer.section(u'=', 0, 0),
                          given = answer.section(u'=', 1);
            if (answer == u"Ja" || answer == u"Nej")
                dialogs.answerYesNo(answer == u"Ja" ? Answer::Yes : Answer::No);
            else if (kind == u"fil")
                dialogs.choosePath(given.isEmpty() ? std::nullopt : std::optional(dataHome.filePath(given)));
            else if (kind == u"färg")
                dialogs.chooseColor(given.isEmpty() ? std::nullopt
                                                    : std::optional(given.toUInt(nullptr, 16)));
            else
                break;
        }
        if (name == u"användare") { // the state a test starts from
            session.state.currentUser = quint8(value.toInt());
            continue;
        }
        if (name == u"glosor") {
            WordList pairs;
            pairs.append(value.toInt() > 0 ? Pairs(value.toInt(), {u"s"_s, u"e"_s}) : pairsOf(value));
            session.setList(pairs);
            continue;
        }
        QWidget *focus = QApplication::focusWidget();
        if (step.startsWith(u'@')) {
            control(step.mid(1))->setFocus();
        } else if (step.startsWith(u'^')) {
            for (QWidget *window : QApplication::topLevelWidgets())
                if (window->objectName() == step.mid(1) && window->isVisible()) {
                    window->activateWindow();
                    QVERIFY(QTest::qWaitForWindowActive(window));
                }
        } else if (step == u"Stäng") {
            active()->close();
        } else if (focus && (step == u"Enter" || step == u"Esc")) {
            QTest::keyClick(focus, step == u"Enter" ? Qt::Key_Return : Qt::Key_Escape);
        } else if (focus && step.startsWith(u"Ctrl+")) {
            const QKeyCombination key = QKeySequence(step)[0];
            QTest::keyClick(focus, key.key(), key.keyboardModifiers());
        } else if (auto *tabs = find<QTabBar>(name)) {
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(value.toInt()).center());
        } else if (auto *box = find<QLineEdit>(name)) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Delete);
            typeText(box, value);
        } else if (auto *button = find<QAbstractButton>(name)) {
            // Option buttons and check boxes take clicks on their mark, at the left.
            const bool push = qobject_cast<QPushButton *>(button);
            QTest::mouseClick(button, Qt::LeftButton, {}, push ? QPoint() : QPoint(4, button->height() / 2));
        } else if (auto *item = find<QAction>(name)) {
            item->trigger();
        } else {
            QTest::qFail(qPrintable(u"no control named "_s + name), __FILE__, __LINE__);
            return;
        }
        QCoreApplication::processEvents();
        flushDeletes();
    }
}

QString TestProgram::screen(const QString &names)
{
    QWidget *window = active();
    QStringList seen;
    for (const QString &name : names.split(u' ')) {
        auto *widget = window ? window->findChild<QWidget *>(name) : nullptr;
        if (!widget || !widget->isVisibleTo(window))
            continue;
        auto *button = qobject_cast<QPushButton *>(widget);
        auto *box = qobject_cast<QLineEdit *>(widget);
        if (auto *label = qobject_cast<QLabel *>(widget))
            seen << label->text();
        else if (auto *text = qobject_cast<QPlainTextEdit *>(widget))
            seen << text->toPlainText().replace(u'\n', u'|');
        else if (box)
            seen << name + u'=' + (box->hasSelectedText() ? u'[' + box->selectedText() + u']' : box->text());
        else
            seen << name + (button && button->isDefault() ? u"*"_s : QString());
    }
    QWidget *focus = window ? window->focusWidget() : nullptr;
    return seen.join(u' ') + u" @"_s + (focus ? focus->objectName() : QString());
}

void TestProgram::flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool showsWhole(const QLabel *label)
{
    const int width = label->contentsRect().width();
    bool whole = label->textFormat() == Qt::PlainText &&
                 (label->wordWrap() ? label->heightForWidth(width) <= label->contentsRect().height()
                                    : label->fontMetrics().horizontalAdvance(label->text()) <= width);
    for (const QString &piece : label->text().split(QRegularExpression(u"[\\s\\x{200B}]"_s)))
        whole &= label->fontMetrics().horizontalAdvance(piece) <= width;
    return whole;
}

void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QStringList textsOf(QWidget *top)
{
    QStringList texts{top->windowTitle()};
    QList<QWidget *> widgets = top->findChildren<QWidget *>();
    widgets.prepend(top);
    for (QWidget *widget : std::as_const(widgets)) {
        if (widget != top && !widget->isVisibleTo(top))
            continue;
        texts << widget->toolTip() << widget->accessibleName();
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        if (auto *frame = qobject_cast<QGroupBox *>(widget))
            texts << frame->title();
        if (auto *choices = qobject_cast<QComboBox *>(widget))
            for (int i = 0; i < choices->count(); ++i)
                texts << choices->itemText(i);
        if (auto *tabs = qobject_cast<QTabBar *>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        if (auto *view = qobject_cast<QAbstractItemView *>(widget); view && view->model()) {
            const QAbstractItemModel *model = view->model();
            for (int column = 0; column < model->columnCount(view->rootIndex()); ++column)
                texts << model->headerData(column, Qt::Horizontal).toString();
            if (view->objectName() == u"sidebar") // the places; files and their dates are the user's
                for (int row = 0; row < model->rowCount(); ++row)
                    texts << model->index(row, 0).data().toString();
        }
        for (const QAction *action : widget->actions())
            texts << action->text() << action->toolTip();
    }
    return texts;
}

QSet<QString> wordsOf(const QStringList &texts)
{
    static const QRegularExpression word(u"[A-Za-zÅÄÖåäöéÉ]{3,}"_s), keyName(u"\\t.*"_s);
    QSet<QString> words;
    for (QString text : texts)
        for (const QRegularExpressionMatch &match : word.globalMatch(text.remove(u'&').remove(keyName)))
            words << match.captured();
    return words;
}
