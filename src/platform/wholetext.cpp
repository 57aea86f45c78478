#include "platform/wholetext.h"

#include <QLabel>
#include <QStringList>
#include <QTextBoundaryFinder>

#include <limits>

namespace {
constexpr qreal ReadablePoints = 12;
constexpr qreal SmallestPoints = 6;
constexpr int WrapRun = 8; // when wrapping, a longer run may break anywhere

QFont sized(QFont font, qreal points)
{
    font.setPointSizeF(points);
    return font;
}
} // namespace

QString withBreaksInLongRuns(const QString &text, int longRun)
{
    const QString breakHere = QStringLiteral("\u200B");
    QString shown;
    QStringList run; // the characters since the last blank, each whole
    const auto endRun = [&] {
        shown += run.join(run.size() > longRun ? breakHere : QString());
        run.clear();
    };
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype start = 0, end; (end = characters.toNextBoundary()) > 0; start = end) {
        const QString character = text.mid(start, end - start);
        if (character.front().isSpace()) {
            endRun();
            shown += character;
        } else {
            run.append(character);
        }
    }
    endRun();
    return shown;
}

void showWhole(QLabel *label, const QString &text, qreal points)
{
    const QRect room = label->contentsRect();
    qreal size = points;
    const auto width = [&] { return QFontMetrics(sized(label->font(), size)).size(0, text).width(); };
    while (size > ReadablePoints && width() > room.width())
        size = std::max(ReadablePoints, size - 1);
    if (width() <= room.width()) {
        label->setWordWrap(false);
        label->setFont(sized(label->font(), size));
        label->setText(text);
        return;
    }
    const QString wrapped = withBreaksInLongRuns(text, WrapRun);
    const auto height = [&] {
        const QRect lines(0, 0, room.width(), std::numeric_limits<int>::max() / 2);
        return QFontMetrics(sized(label->font(), size)).boundingRect(lines, Qt::TextWordWrap, wrapped).height();
    };
    while (size > SmallestPoints && height() > room.height())
        size = std::max(SmallestPoints, size - 1);
    label->setWordWrap(true);
    label->setFont(sized(label->font(), size));
    label->setText(wrapped);
}
