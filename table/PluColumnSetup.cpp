#include "table/PluColumnSetup.h"

#include "core/PluColumns.h"
#include "document/PluDocument.h"

#include <QHeaderView>
#include <QScreen>
#include <QStringList>
#include <QStyle>
#include <QTableView>
#include <algorithm>

PluColumnSetup::PluColumnSetup(QTableView *view, PluDocument *document) : QObject(view), m_view(view)
{
    connect(view->horizontalHeader(), &QHeaderView::sectionResized, this, &PluColumnSetup::onSectionResized);
    connect(document, &PluDocument::historyReset, this, &PluColumnSetup::fit);
    connect(document, &PluDocument::contentReplaced, this, &PluColumnSetup::fit);
    fit();
}

void PluColumnSetup::onSectionResized(int column, int, int newSize)
{
    // Hiding a column resizes it to 0; only a width the operator gives counts.
    if (!m_fitting && newSize > 0)
        m_operatorSized.insert(column);
}

void PluColumnSetup::fit()
{
    const QAbstractItemModel *model = m_view->model();
    QHeaderView *header = m_view->horizontalHeader();
    // The rows the screen can show from the top of the view, whether or not it is shown yet.
    const int rowHeight = qMax(1, m_view->verticalHeader()->defaultSectionSize());
    const QScreen *screen = m_view->screen();
    const int screenRows = (screen ? screen->availableGeometry().height() : m_view->viewport()->height()) / rowHeight;
    const int first = qMax(0, m_view->rowAt(0));
    const int last = qMin(model->rowCount() - 1, first + screenRows);
    const int gridLine = m_view->showGrid() ? 1 : 0;
    const int titleMargin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    m_fitting = true;
    for (int c = 0; c < model->columnCount(); ++c) {
        if (m_view->isColumnHidden(c) || m_operatorSized.contains(c))
            continue;
        int width = PluColumns::width(c) > 0 ? PluColumns::width(c) : header->defaultSectionSize();
        // The title as the header draws it, between its margins; no room for a sort mark, which
        // this grid never shows.
        const QString title = model->headerData(c, Qt::Horizontal).toString();
        width = qMax(width, header->fontMetrics().horizontalAdvance(title) + 2 * titleMargin);
        for (int r = first; r <= last; ++r)
            width = qMax(width, m_view->sizeHintForIndex(model->index(r, c)).width() + gridLine);
        m_view->setColumnWidth(c, width);
    }
    m_fitting = false;
}

QString PluColumnSetup::operatorWidths() const
{
    QList<int> columns = m_operatorSized.values();
    std::sort(columns.begin(), columns.end());
    QStringList pairs;
    for (int c : columns)
        pairs << QStringLiteral("%1:%2").arg(c).arg(m_view->columnWidth(c));
    return pairs.join(QLatin1Char(','));
}

void PluColumnSetup::setOperatorWidths(const QString &text)
{
    const int columns = m_view->model()->columnCount();
    for (const QString &pair : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool columnOk = false, widthOk = false;
        const int column = pair.section(QLatin1Char(':'), 0, 0).toInt(&columnOk);
        const int width = pair.section(QLatin1Char(':'), 1, 1).toInt(&widthOk);
        // A hand-edited or stale entry is passed over, never a reason to refuse the rest.
        if (columnOk && widthOk && column >= 0 && column < columns && width > 0 && width <= 2000) {
            m_view->setColumnWidth(column, width);
            m_operatorSized.insert(column);
        }
    }
}
