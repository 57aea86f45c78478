#include "progress/frmframsteg.h"

#include "core/progress.h"
#include "core/progressreport.h"
#include "core/session.h"
#include "platform/barchart.h"
#include "platform/clock.h"
#include "progress/progresstexts.h"

#include <QCollator>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {
constexpr int SortRole = Qt::UserRole;

// Sorts by each cell's value: words in Swedish alphabetical order (å, ä, ö
// last), figures as numbers. Equal rows keep the list's order.
class ProgressSort final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override
    {
        const QVariant a = left.data(SortRole), b = right.data(SortRole);
        if (a.typeId() == QMetaType::QString)
            return m_collator.compare(a.toString(), b.toString()) < 0;
        return QVariant::compare(a, b) == QPartialOrdering::Less;
    }

private:
    QCollator m_collator{QLocale(QLocale::Swedish, QLocale::Sweden)};
};
} // namespace

FrmFramsteg::FrmFramsteg(Session &session)
    : Form(session.clock())
    , m_session(session)
    , m_model(new QStandardItemModel(this))
{
    setObjectName(QStringLiteral("frmFramsteg"));
    setWindowTitle(QStringLiteral("Framsteg"));
    auto *client = new QWidget;
    auto *layout = new QVBoxLayout(client);

    auto *sorted = new ProgressSort(this);
    sorted->setSourceModel(m_model);
    m_grid = named(new QTableView, "grdFramsteg",
                   QStringLiteral("Hur väl du kan varje glosa. Klicka på en rubrik för att sortera."));
    m_grid->setModel(sorted);
    m_grid->setAccessibleDescription(m_grid->toolTip()); // screen readers take no tooltip from a table
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->hide();
    // No column sorted at first: the list's order.
    m_grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_grid->setSortingEnabled(true);
    layout->addWidget(m_grid, 1);

    m_charts = new QHBoxLayout;
    layout->addLayout(m_charts, 1);

    auto *buttons = new QHBoxLayout;
    m_cmdGlom = named(new QPushButton(QStringLiteral("&Glöm framstegen")), "cmdGlom",
                      QStringLiteral("Glöm allt som programmet minns om glosorna i listan."));
    auto *cmdStang = named(new QPushButton(QStringLiteral("&Stäng")), "cmdStang",
                           QStringLiteral("Stäng fönstret och gå tillbaka till inmatningen."));
    buttons->addWidget(m_cmdGlom);
    buttons->addStretch();
    buttons->addWidget(cmdStang);
    layout->addLayout(buttons);
    setCentralWidget(client);
    resize(880, 640);

    connect(m_cmdGlom, &QPushButton::clicked, this, [this] { forgetProgress(m_session); });
    connect(cmdStang, &QPushButton::clicked, this, &FrmFramsteg::close);
    // A list changed or answers given elsewhere show when the window is looked at again.
    const auto follow = [this] {
        if (isActiveWindow())
            refresh();
        else
            m_behind = true;
    };
    connect(&session, &Session::listChanged, this, follow);
    connect(&session, &Session::progressChanged, this, follow);
    setDefaultButton(cmdStang);
    setCancelButton(cmdStang);
}

void FrmFramsteg::Form_Load()
{
    refresh();
}

void FrmFramsteg::showProgress()
{
    if (isVisible()) // a window just loaded has its figures
        refresh();
    show();
    raise();
    activateWindow();
}

void FrmFramsteg::Form_Unload()
{
    emit closed();
}

void FrmFramsteg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_behind)
        refresh();
    Form::changeEvent(event);
}

void FrmFramsteg::refresh()
{
    m_behind = false;
    const ProgressReport report =
        progressReport(m_session.store(), m_session.list().pairs(), m_session.clock().moment().date());
    fillTable(report);
    m_cmdGlom->setEnabled(std::any_of(report.pairs.cbegin(), report.pairs.cend(),
                                      [](const PairProgress &pair) { return pair.practised(); }));

    // Drawn anew: a chart is cheap to draw, and Qt Charts is loaded with the first.
    const auto replace = [this](QWidget *&chart, const BarChart &drawn, const char *name, int at) {
        delete chart;
        chart = createBarChart(drawn, name, centralWidget());
        m_charts->insertWidget(at, chart, 1);
    };
    replace(m_chtDagar, pastDaysChart(report), "chtDagar", 0);
    replace(m_chtKommande, comingDaysChart(report), "chtKommande", 1);
}

void FrmFramsteg::fillTable(const ProgressReport &report)
{
    m_model->clear();
    m_model->setHorizontalHeaderLabels(progressColumns());
    for (const PairProgress &pair : report.pairs) {
        QList<QStandardItem *> items;
        for (const ProgressCell &cell : progressRow(pair, report.today)) {
            auto *item = new QStandardItem(cell.text);
            item->setData(cell.sortKey, SortRole);
            if (cell.sortKey.typeId() != QMetaType::QString)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            items << item;
        }
        m_model->appendRow(items);
    }
    m_grid->resizeColumnsToContents();
}
