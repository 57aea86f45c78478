#include "support/testprogram.h"
#include "tour.h"

#include <QDir>
#include <QImage>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {
// How far a colour channel may stray before a pixel counts as changed.
constexpr int Tolerance = 24;

// The pixels of actual that differ from reference, in red on a faded copy of
// the reference; nothing when none does.
std::optional<QImage> difference(const QImage &actual, const QImage &reference)
{
    QImage marked = reference.convertToFormat(QImage::Format_ARGB32);
    bool differs = false;
    for (int y = 0; y < marked.height(); ++y) {
        for (int x = 0; x < marked.width(); ++x) {
            const QColor a = actual.pixelColor(x, y), r = reference.pixelColor(x, y);
            const bool changed = std::abs(a.red() - r.red()) > Tolerance ||
                                 std::abs(a.green() - r.green()) > Tolerance ||
                                 std::abs(a.blue() - r.blue()) > Tolerance;
            differs = differs || changed;
            marked.setPixelColor(x, y, changed ? QColor(Qt::red) : QColor(r.red(), r.green(), r.blue(), 60));
        }
    }
    return differs ? std::optional(marked) : std::nullopt;
}
} // namespace

// Every window and page as the README shows it: a changed layout, font, text
// or colour fails with the window's name and a picture of the difference.
class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void windowsLookAsTheirPictures()
    {
        QVERIFY(useFixedLook());
        QDir(u"" ORDKVARNEN_PICTURE_DIFFERENCES ""_s).removeRecursively();
        QStringList failed;
        TestProgram t;
        tourWindows(t, [&failed](const QString &name, QWidget *window) {
            const QImage actual = window ? window->grab().toImage() : QImage();
            const QImage reference(u"" ORDKVARNEN_REFERENCE_PICTURES "/"_s + name + u".png"_s);
            std::optional<QImage> marked;
            if (actual.size() != reference.size())
                marked = actual;
            else
                marked = difference(actual, reference);
            if (!marked)
                return;
            const QString path = u"" ORDKVARNEN_PICTURE_DIFFERENCES "/"_s + name + u".png"_s;
            QDir().mkpath(u"" ORDKVARNEN_PICTURE_DIFFERENCES ""_s);
            marked->save(path);
            failed << u"%1 (%2x%3 against %4x%5; see %6)"_s.arg(name)
                          .arg(actual.width())
                          .arg(actual.height())
                          .arg(reference.width())
                          .arg(reference.height())
                          .arg(path);
        });
        QVERIFY2(failed.isEmpty(), qPrintable(u"changed: "_s + failed.join(u", "_s)));
        t.dialogs.takeMessages();
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
