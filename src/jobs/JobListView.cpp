#include "jobs/JobListView.h"

#include "jobs/JobColumns.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace jobs {

JobListView::JobListView(QWidget* parent) : QTableWidget(0, kColumnCount, parent)
{
    setObjectName(QStringLiteral("lvFiles"));
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setHighlightSections(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    QStringList headers;
    for (const ColumnSpec& column : jobColumns())
        headers << QString::fromUtf8(column.header);
    setHorizontalHeaderLabels(headers);
    for (int column = 0; column < kColumnCount; ++column)
        setColumnWidth(column, jobColumns()[column].width);

    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &JobListView::keepHiddenColumnNarrow);
}

bool JobListView::isHiddenColumn(int column)
{
    return column >= 0 && column < kColumnCount && jobColumns()[column].width == 0;
}

void JobListView::keepHiddenColumnNarrow(int column, int /*oldWidth*/, int newWidth)
{
    if (isHiddenColumn(column) && newWidth > kHiddenColumnMaxWidth)
        horizontalHeader()->resizeSection(column, kHiddenColumnMaxWidth);
}

}  // namespace jobs

namespace jobs {

void JobListView::mousePressEvent(QMouseEvent* event)
{
    if (!indexAt(event->position().toPoint()).isValid())
        clearSelection();
    QTableWidget::mousePressEvent(event);
}

void JobListView::mouseReleaseEvent(QMouseEvent* event)
{
    QTableWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit listClicked();
}

void JobListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit listDoubleClicked();
}

}  // namespace jobs
