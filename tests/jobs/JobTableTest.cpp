#include "jobs/JobTable.h"

#include "jobs/JobListView.h"
#include "support/QtPrinting.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

using jobs::JobTable;

namespace {

// One application for the whole run, never destroyed: Qt Test's input
// devices outlive every test and must not outlive the application.
QApplication& application()
{
    static int argc = 1;
    static char name[] = "jobs_table_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

QStringList subItemsOf(int job)
{
    QStringList items;
    for (int k = 0; k < jobs::kSubItemCount; ++k)
        items << QStringLiteral("j%1s%2").arg(job).arg(k);
    return items;
}

QString captionOf(int job) { return QStringLiteral("/媒体/source%1.avi").arg(job); }

engine::TOutputOptions outputOf(int job)
{
    engine::TOutputOptions output;
    output.FileName = "out" + std::to_string(job);
    return output;
}

class JobTableTest : public ::testing::Test {
protected:
    void addJobs(int count)
    {
        for (int job = 0; job < count; ++job)
            ASSERT_EQ(table_.append(captionOf(job), subItemsOf(job), {}, outputOf(job)), job);
    }

    // Row `row` shows job `job` in all 25 cells, and slot `row` holds its records.
    void expectJobAt(int job, int row)
    {
        EXPECT_EQ(table_.cells(row), QStringList{captionOf(job)} + subItemsOf(job)) << "row " << row;
        EXPECT_EQ(table_.outputSlot(row).FileName, outputOf(job).FileName) << "row " << row;
    }

    QApplication& app_ = application();  // before any widget
    testsupport::RecordingPlatform platform_;
    QWidget parent_;
    JobTable table_{platform_, &parent_};
};

}  // namespace

TEST_F(JobTableTest, TheListViewHasItsColumnsAndBehaviour)
{
    const jobs::JobListView* view = table_.view();
    EXPECT_EQ(view->objectName(), QStringLiteral("lvFiles"));
    ASSERT_EQ(view->columnCount(), 25);
    EXPECT_EQ(view->horizontalHeaderItem(0)->text(), QStringLiteral("输入文件"));
    EXPECT_EQ(view->horizontalHeaderItem(24)->text(), QStringLiteral("NormType"));
    int visible = 0;
    for (int column = 0; column < 25; ++column)
        visible += view->columnWidth(column) > 0;
    EXPECT_EQ(visible, 7);
    EXPECT_EQ(view->columnWidth(3), 80);
    EXPECT_TRUE(view->showGrid());
    EXPECT_EQ(view->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(view->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(view->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(JobTableTest, HiddenColumnsCannotBeWidenedPastOnePixel)
{
    QHeaderView* header = table_.view()->horizontalHeader();
    header->resizeSection(9, 120);  // "视频类别", hidden
    EXPECT_EQ(header->sectionSize(9), 1);
    header->resizeSection(5, 40);  // the speed column, hidden
    EXPECT_EQ(header->sectionSize(5), 1);
    header->resizeSection(1, 120);  // "视频时间", visible
    EXPECT_EQ(header->sectionSize(1), 120);
}

TEST_F(JobTableTest, AppendAddsARowWithItsSlotUnselected)
{
    QSignalSpy counts(&table_, &JobTable::rowCountChanged);
    addJobs(2);
    EXPECT_EQ(table_.rowCount(), 2);
    expectJobAt(1, 1);
    EXPECT_EQ(table_.selectedRow(), -1);
    EXPECT_EQ(counts.count(), 2);
    EXPECT_EQ(table_.optionSlots().usedCount(), 2);

    // Sub-items not given are empty.
    EXPECT_EQ(table_.append(QStringLiteral("/a.avi"), {QStringLiteral("00:00:01")}, {}, {}), 2);
    EXPECT_EQ(table_.subItem(2, 0), QStringLiteral("00:00:01"));
    EXPECT_EQ(table_.subItem(2, 23), QString());
}

TEST_F(JobTableTest, RemoveAndSwapKeepRowsAndSlotsInStep)
{
    addJobs(4);
    table_.remove(1);
    ASSERT_EQ(table_.rowCount(), 3);
    expectJobAt(0, 0);
    expectJobAt(2, 1);
    expectJobAt(3, 2);
    EXPECT_EQ(table_.optionSlots().usedCount(), 3);
    EXPECT_FALSE(table_.optionSlots().isUsed(3));

    table_.swap(2, 1);
    expectJobAt(3, 1);
    expectJobAt(2, 2);
    EXPECT_EQ(table_.optionSlots().usedCount(), 3);
}

TEST_F(JobTableTest, ClearEmptiesTheListAndFreesEverySlot)
{
    addJobs(3);
    table_.selectRow(1);
    table_.clear();
    EXPECT_TRUE(table_.isEmpty());
    EXPECT_EQ(table_.selectedRow(), -1);
    EXPECT_EQ(table_.optionSlots().usedCount(), 0);
    addJobs(1);
    expectJobAt(0, 0);
}

TEST_F(JobTableTest, SelectingARowRaisesTheSelectionEvent)
{
    addJobs(3);
    QSignalSpy selected(&table_, &JobTable::rowSelected);
    table_.selectRow(2);
    EXPECT_EQ(table_.selectedRow(), 2);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toInt(), 2);
    table_.selectRow(-1);
    EXPECT_EQ(table_.selectedRow(), -1);
    EXPECT_EQ(selected.count(), 1);
}

TEST_F(JobTableTest, AClickBelowTheRowsClearsTheSelectionAndCounts)
{
    addJobs(2);
    parent_.resize(600, 400);
    table_.view()->setGeometry(0, 0, 600, 400);
    parent_.show();
    table_.selectRow(1);
    QSignalSpy clicks(&table_, &JobTable::clicked);
    QSignalSpy doubleClicks(&table_, &JobTable::doubleClicked);
    QWidget* area = table_.view()->viewport();
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(20, area->height() - 5));
    EXPECT_EQ(table_.selectedRow(), -1);
    EXPECT_EQ(clicks.count(), 1);

    const QPoint onRow0 = table_.view()->visualRect(table_.view()->model()->index(0, 0)).center();
    QTest::mouseClick(area, Qt::LeftButton, {}, onRow0);
    EXPECT_EQ(table_.selectedRow(), 0);
    EXPECT_EQ(clicks.count(), 2);
    QTest::mouseDClick(area, Qt::LeftButton, {}, onRow0);
    EXPECT_EQ(doubleClicks.count(), 1);
}

TEST_F(JobTableTest, The502ndJobIsRefusedWithAMessage)
{
    addJobs(jobs::kSlotCount);
    EXPECT_TRUE(platform_.infos.isEmpty());
    EXPECT_EQ(table_.append(captionOf(999), subItemsOf(999), {}, outputOf(999)), -1);
    EXPECT_EQ(table_.rowCount(), 501);
    ASSERT_EQ(platform_.infos.size(), 1);
    EXPECT_TRUE(platform_.infos.first().contains(QStringLiteral("501")));
    expectJobAt(500, 500);
    EXPECT_FALSE(table_.acceptsMore());
    EXPECT_EQ(platform_.infos.size(), 2);

    table_.remove(0);
    EXPECT_TRUE(table_.acceptsMore());
    EXPECT_EQ(table_.append(captionOf(7), subItemsOf(7), {}, outputOf(7)), 500);
}

TEST_F(JobTableTest, CellAccessOutsideTheTableIsAnError)
{
    addJobs(1);
    EXPECT_THROW(table_.subItem(1, 0), std::out_of_range);
    EXPECT_THROW(table_.subItem(0, 24), std::out_of_range);
    EXPECT_THROW(table_.remove(3), std::out_of_range);
    table_.setSubItem(0, jobs::siProgress, QStringLiteral("37%"));
    EXPECT_EQ(table_.subItem(0, 3), QStringLiteral("37%"));
}
