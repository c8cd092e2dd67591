#include "jobs/JobTable.h"

#include "jobs/JobListView.h"
#include "platform/Platform.h"


#include <stdexcept>
#include <string>

namespace jobs {

JobTable::JobTable(platform::Platform& platform, QWidget* viewParent)
    : QObject(viewParent), platform_(platform), view_(new JobListView(viewParent))
{
    connect(view_, &QTableWidget::itemSelectionChanged, this, [this] {
        const int row = selectedRow();
        if (row >= 0)
            emit rowSelected(row);
    });
    connect(view_, &JobListView::listClicked, this, &JobTable::clicked);
    connect(view_, &JobListView::listDoubleClicked, this, &JobTable::doubleClicked);
}

int JobTable::rowCount() const
{
    return view_->rowCount();
}

bool JobTable::acceptsMore()
{
    if (rowCount() < kSlotCount && slots_.firstFree() >= 0)
        return true;
    platform_.showInfo(QStringLiteral("列表中最多只能添加%1个文件，无法再添加新的文件！").arg(kSlotCount));
    return false;
}

int JobTable::append(const QString& caption, const QStringList& subItems,
                     const engine::TInputOptions& input, const engine::TOutputOptions& output)
{
    if (!acceptsMore())
        return -1;
    const int row = rowCount();
    const int slot = slots_.store(input, output);
    if (slot != row)
        throw std::logic_error("option slot " + std::to_string(slot) + " does not belong to new row " +
                               std::to_string(row));
    view_->insertRow(row);
    QStringList cells{caption};
    for (int k = 0; k < kSubItemCount; ++k)
        cells << subItems.value(k);
    writeCells(row, cells);
    emit rowCountChanged(rowCount());
    return row;
}

void JobTable::remove(int row)
{
    checkRow(row);
    const int count = rowCount();
    slots_.remove(row, count);
    view_->removeRow(row);
    emit rowCountChanged(rowCount());
}

void JobTable::swap(int a, int b)
{
    checkRow(a);
    checkRow(b);
    if (a == b)
        return;
    view_->setUpdatesEnabled(false);
    const QStringList cellsA = cells(a);
    writeCells(a, cells(b));
    writeCells(b, cellsA);
    slots_.swap(a, b);
    view_->setUpdatesEnabled(true);
}

void JobTable::clear()
{
    view_->setRowCount(0);
    freeAllSlots();
    emit rowCountChanged(0);
}

void JobTable::freeAllSlots()
{
    slots_.freeAll();
}

void JobTable::checkRow(int row) const
{
    if (row < 0 || row >= rowCount())
        throw std::out_of_range("job row " + std::to_string(row) + " does not exist; the list has " +
                                std::to_string(rowCount()) + " rows");
}

void JobTable::writeCells(int row, const QStringList& cells)
{
    for (int column = 0; column < kColumnCount; ++column) {
        QTableWidgetItem* item = view_->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            view_->setItem(row, column, item);
        }
        item->setText(cells.value(column));
    }
}

QString JobTable::caption(int row) const
{
    checkRow(row);
    return view_->item(row, 0)->text();
}

void JobTable::setCaption(int row, const QString& text)
{
    checkRow(row);
    view_->item(row, 0)->setText(text);
}

QString JobTable::subItem(int row, int subItem) const
{
    checkRow(row);
    if (subItem < 0 || subItem >= kSubItemCount)
        throw std::out_of_range("sub-item " + std::to_string(subItem) + " does not exist");
    return view_->item(row, subItem + 1)->text();
}

void JobTable::setSubItem(int row, int subItem, const QString& text)
{
    checkRow(row);
    if (subItem < 0 || subItem >= kSubItemCount)
        throw std::out_of_range("sub-item " + std::to_string(subItem) + " does not exist");
    view_->item(row, subItem + 1)->setText(text);
}

QStringList JobTable::cells(int row) const
{
    checkRow(row);
    QStringList result;
    for (int column = 0; column < kColumnCount; ++column)
        result << view_->item(row, column)->text();
    return result;
}

int JobTable::selectedRow() const
{
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void JobTable::selectRow(int row)
{
    if (row < 0) {
        view_->clearSelection();
        return;
    }
    checkRow(row);
    view_->selectRow(row);
    view_->setCurrentCell(row, 0, QItemSelectionModel::NoUpdate);
}

}  // namespace jobs
