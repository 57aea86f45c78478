#include "platform/print/printpainter.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextOption>

namespace {

constexpr qreal TextPoints = 11;
constexpr qreal HeadingPoints = 16;
// Room a printer can print on, all round.
constexpr qreal MarginMillimetres = 15;

// Lines break between words, and inside a word only where it alone is wider than its column.
QTextOption wrapping()
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// One pass over the printout: where the next row goes, how wide the columns
// are and which page it is on. A pass that does not paint only counts the
// pages, so that the painting one can say "Sida 1 av 8".
class Pages {
public:
    Pages(QPainter &painter, QPagedPaintDevice &device, bool painting, int total)
        : m_painter(painter)
        , m_device(device)
        , m_painting(painting)
        , m_total(total)
    {
        m_pad = m_painter.fontMetrics().height() / 3.0;
        m_area = QRectF(0, 0, device.width(), device.height());
        if (total > 1) // the page number's line at the bottom
            m_area.setBottom(m_area.bottom() - m_painter.fontMetrics().height() - 2 * m_pad);
    }

    int count() const { return m_page; }

    qreal rowHeight(const QStringList &cells) const
    {
        qreal height = m_painter.fontMetrics().height();
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const QRectF room(0, 0, width(i) - 2 * m_pad, 1e6);
            height = qMax(height, m_painter.boundingRect(room, cells[i], wrapping()).height());
        }
        return height + 2 * m_pad;
    }

    bool fits(qreal height) const { return m_y + height <= m_area.bottom(); }

    void heading(const QString &text)
    {
        QFont font = m_painter.font();
        const QFont body = font;
        font.setPointSizeF(HeadingPoints);
        font.setBold(true);
        m_painter.setFont(font);
        const QRectF box = m_painter.boundingRect(m_area.adjusted(0, m_y, 0, 0), text, wrapping());
        if (m_painting)
            m_painter.drawText(box, text, wrapping());
        m_y += box.height() + m_pad * 2;
        m_painter.setFont(body);
    }

    void row(const QStringList &cells, bool titles, bool answerLine)
    {
        const qreal height = rowHeight(cells);
        if (m_painting) {
            qreal x = 0;
            QFont font = m_painter.font();
            font.setBold(titles);
            m_painter.setFont(font);
            for (qsizetype i = 0; i < cells.size(); ++i) {
                const QRectF cell(x + m_pad, m_y + m_pad, width(i) - 2 * m_pad, height - 2 * m_pad);
                m_painter.drawText(cell, cells[i], wrapping());
                x += width(i);
            }
            font.setBold(false);
            m_painter.setFont(font);
        }
        m_y += height;
        if (m_painting && (titles || answerLine)) { // a rule under the titles, the line to write an answer on
            const qreal from = answerLine ? width(0) + width(1) + m_pad : 0;
            m_painter.drawLine(QPointF(from, m_y - m_pad / 2), QPointF(m_area.right(), m_y - m_pad / 2));
        }
    }

    void next()
    {
        finishPage();
        if (m_painting)
            m_device.newPage();
        ++m_page;
        m_y = 0;
    }

    void finishPage()
    {
        if (!m_painting || m_total < 2)
            return;
        QTextOption centred = wrapping();
        centred.setAlignment(Qt::AlignHCenter);
        const QRectF line(0, m_area.bottom() + m_pad, m_area.width(),
                          m_painter.fontMetrics().height() + m_pad);
        m_painter.drawText(line, QStringLiteral("Sida %1 av %2").arg(m_page).arg(m_total), centred);
    }

    bool atTop() const { return m_y == 0; }

private:
    // The number column is narrow; the words share what is left.
    qreal width(qsizetype column) const
    {
        const qreal number = m_painter.fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 2 * m_pad;
        return column == 0 ? number : (m_area.width() - number) / 2;
    }

    QPainter &m_painter;
    QPagedPaintDevice &m_device;
    const bool m_painting;
    const int m_total;
    QRectF m_area;
    qreal m_pad = 0;
    qreal m_y = 0;
    int m_page = 1;
};

void layOut(Pages &pages, const Printout &printout)
{
    for (const Printout::Section &section : printout.sections) {
        if (!pages.atTop())
            pages.next();
        pages.heading(section.heading);
        pages.row(section.columns, true, false);
        for (const QStringList &cells : section.rows) {
            if (!pages.fits(pages.rowHeight(cells))) {
                pages.next();
                pages.row(section.columns, true, false);
            }
            pages.row(cells, false, section.answerLines);
        }
    }
    pages.finishPage();
}

} // namespace

void paintPrintout(QPagedPaintDevice &device, const Printout &printout)
{
    const qreal margin = MarginMillimetres;
    device.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
    QPainter painter(&device);
    QFont font = painter.font();
    font.setPointSizeF(TextPoints);
    painter.setFont(font);
    // Counted first: alone on one page it needs no number; with numbers, the room they take counts too.
    Pages unnumbered(painter, device, false, 1);
    layOut(unnumbered, printout);
    int total = unnumbered.count();
    if (total > 1) {
        Pages numbered(painter, device, false, total);
        layOut(numbered, printout);
        total = numbered.count();
    }
    Pages pages(painter, device, true, total);
    layOut(pages, printout);
}
