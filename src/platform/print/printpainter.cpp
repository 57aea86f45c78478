#include "platform/print/printpainter.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace {

constexpr qreal TextPoints = 11;
constexpr qreal HeadingPoints = 16;
constexpr int Flags = Qt::TextWordWrap | Qt::TextWrapAnywhere;

// One page's drawing: where the next row goes and how wide the columns are.
class Page {
public:
    Page(QPainter &painter, QPagedPaintDevice &device)
        : m_painter(painter)
        , m_device(device)
    {
        m_area = QRectF(0, 0, device.width(), device.height());
        m_pad = m_painter.fontMetrics().height() / 3.0;
    }

    qreal rowHeight(const QStringList &cells) const
    {
        qreal height = m_painter.fontMetrics().height();
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const QRectF room(0, 0, width(i) - 2 * m_pad, 1e6);
            height = qMax(height, m_painter.boundingRect(room, Flags, cells[i]).height());
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
        const QRectF box = m_painter.boundingRect(m_area.adjusted(0, m_y, 0, 0), Flags, text);
        m_painter.drawText(box, Flags, text);
        m_y += box.height() + m_pad * 2;
        m_painter.setFont(body);
    }

    void row(const QStringList &cells, bool titles, bool answerLine)
    {
        const qreal height = rowHeight(cells);
        qreal x = 0;
        QFont font = m_painter.font();
        font.setBold(titles);
        m_painter.setFont(font);
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const QRectF cell(x + m_pad, m_y + m_pad, width(i) - 2 * m_pad, height - 2 * m_pad);
            m_painter.drawText(cell, Flags, cells[i]);
            x += width(i);
        }
        font.setBold(false);
        m_painter.setFont(font);
        m_y += height;
        if (titles || answerLine) { // a rule under the titles, and the line to write an answer on
            const qreal from = answerLine ? width(0) + width(1) + m_pad : 0;
            m_painter.drawLine(QPointF(from, m_y - m_pad / 2), QPointF(m_area.right(), m_y - m_pad / 2));
        }
    }

    void next()
    {
        m_device.newPage();
        m_y = 0;
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
    QRectF m_area;
    qreal m_pad = 0;
    qreal m_y = 0;
};

} // namespace

void paintPrintout(QPagedPaintDevice &device, const Printout &printout)
{
    QPainter painter(&device);
    QFont font = painter.font();
    font.setPointSizeF(TextPoints);
    painter.setFont(font);
    Page page(painter, device);
    for (const Printout::Section &section : printout.sections) {
        if (!page.atTop())
            page.next();
        page.heading(section.heading);
        page.row(section.columns, true, false);
        for (const QStringList &cells : section.rows) {
            if (!page.fits(page.rowHeight(cells))) {
                page.next();
                page.row(section.columns, true, false);
            }
            page.row(cells, false, section.answerLines);
        }
    }
}
