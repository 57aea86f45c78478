#include "support/testprogram.h"
#include "tour.h"

#include <QDir>

// Every window and page as the README shows it: a changed layout, font, text or colour fails with the
// window's name, and its picture is left beside the test to compare.
class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void windowsLookAsTheirPictures()
    {
        QVERIFY(useFixedLook());
        const QDir differences(u"" ORDKVARNEN_PICTURE_DIFFERENCES ""_s);
        QDir(differences).removeRecursively();
        QStringList failed;
        TestProgram t;
        tourWindows(t, [&](const QString &name, QWidget *window) {
            const QImage actual = window ? window->grab().toImage() : QImage();
            const QImage reference(u"" ORDKVARNEN_REFERENCE_PICTURES "/"_s + name + u".png"_s);
            bool same = actual.size() == reference.size();
            // A colour channel may stray a little (font smoothing) before a pixel counts as changed.
            for (int y = 0; same && y < actual.height(); ++y)
                for (int x = 0; same && x < actual.width(); ++x) {
                    const QColor a = actual.pixelColor(x, y), r = reference.pixelColor(x, y);
                    same = qAbs(a.red() - r.red()) <= 24 && qAbs(a.green() - r.green()) <= 24 &&
                           qAbs(a.blue() - r.blue()) <= 24;
                }
            if (!same && QDir().mkpath(differences.path()) &&
                actual.save(differences.filePath(name + u".png"_s)))
                failed << name;
        });
        QVERIFY2(failed.isEmpty(),
                 qPrintable(u"changed (see "_s + differences.path() + u"): "_s + failed.join(u", "_s)));
        t.log();
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
