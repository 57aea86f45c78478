#include "tour.h"

#include "edit/frmbort.h"
#include "entry/frmglos.h"
#include "entry/frmglosor.h"
#include "options/frmalt.h"
#include "practice/frmova.h"
#include "progress/frmframsteg.h"
#include "splash/frmsplash.h"
#include "support/testprogram.h"

#include <QMenu>

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QStyle>

#include <cstdio>

bool useFixedLook()
{
    for (const char *file : {ORDKVARNEN_PICTURE_FONT, ORDKVARNEN_PICTURE_BOLD_FONT}) {
        if (QFontDatabase::addApplicationFont(QString::fromUtf8(file)) < 0) {
            std::fprintf(stderr, "missing font %s (Debian package fonts-dejavu-core)\n", file);
            return false;
        }
    }
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QFont font(QStringLiteral("DejaVu Sans"), 9);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    QApplication::setFont(font);
    // A steady text cursor: a blinking one would depend on how long a step took.
    QApplication::setCursorFlashTime(0);
    return true;
}

namespace {
// Three weeks of practice before today: each pair every third day, now and
// then missed first.
void practisedBefore(TestProgram &t)
{
    const QList<WordPair> pairs = t.session.list().pairs();
    const QDateTime now = t.clock.moment();
    for (int day = -21; day < 0; ++day) {
        for (int i = 0; i < pairs.size(); ++i) {
            if ((day + i) % 3 != 0)
                continue;
            const QDateTime at = now.addDays(day).addSecs(i * 60);
            if ((i * 5 - day) % 4 == 0) {
                t.store.recordReview({at, pairs[i], false, ReviewOutcome::Wrong, QStringLiteral("fel")});
                t.store.recordReview({at.addSecs(5), pairs[i], false, ReviewOutcome::RightAfterMiss, {}});
            } else {
                t.store.recordReview({at, pairs[i], false, ReviewOutcome::RightFirstTry, {}});
            }
        }
    }
}
} // namespace

void tourWindows(TestProgram &t, const std::function<void(const QString &name, QWidget *window)> &shoot)
{
    const auto take = [&shoot](const char *name, QWidget *window) {
        QCoreApplication::processEvents();
        shoot(QString::fromUtf8(name), window);
    };
    // The information text where the splash window looks for it.
    QFile::copy(
        QStringLiteral(ORDKVARNEN_INFO_TEXT),
        t.paths.forWriting(QStringLiteral("D:\\Spel\\Res\\Vrak\\mrk_program\\mrk\\Kvartos\\glos.txt")));
    t.program.start();
    take("splash", t.program.frmSplash.loaded());
    t.run(QStringLiteral("cmdstart"));

    t.addPairs({{QStringLiteral("hus"), QStringLiteral("house")},
                {QStringLiteral("katt"), QStringLiteral("cat")},
                {QStringLiteral("äpple"), QStringLiteral("apple")},
                {QStringLiteral("skola"), QStringLiteral("school")}});
    take("main", &t.main());
    t.run(QStringLiteral("mnuAltGlos"));
    take("view", t.program.frmglosor.loaded());
    t.program.frmglosor.unload();

    t.run(QStringLiteral("cmdOva txteng=house cmdKlar"));
    take("practice-right", t.program.frmOva.loaded());
    t.run(QStringLiteral("cmdny txteng=dog cmdKlar"));
    take("practice-wrong", t.program.frmOva.loaded());
    t.run(QStringLiteral("cmdmeny"));
    // The menu of the main window, with "Öva på missade glosor" for the missed "katt".
    auto *menu = t.program.frmglos.loaded()->findChild<QMenu *>(QStringLiteral("mnuAlt"));
    menu->popup(t.program.frmglos.loaded()->mapToGlobal(QPoint(0, 0)));
    take("main-menu", menu);
    menu->close();
    t.run(QStringLiteral("mnuAltutse"));
    t.log(); // the summary

    const char *pages[] = {"options-appearance", "options-practice", "options-users"};
    for (int page = 0; page < 3; ++page) {
        t.run(QStringLiteral("tbsOptions=%1").arg(page));
        take(pages[page], t.program.frmAlt.loaded());
    }
    t.run(QStringLiteral("optanv_1 cmdanv"));
    take("options-login", t.program.frmAlt.loaded());
    t.run(QStringLiteral("cmdBak cmdAvbryt mnuAltBort"));
    take("edit-list", t.program.frmBort.loaded());
    t.run(QStringLiteral("txtnr=3 cmdAndra"));
    take("edit-change", t.program.frmBort.loaded());

    t.program.frmBort.unload();
    practisedBefore(t);
    t.store.setTestDate(t.clock.date.addDays(10));
    t.run(QStringLiteral("mnuAltFramsteg"));
    take("progress", t.program.frmFramsteg.loaded());
}
