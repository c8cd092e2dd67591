#pragma once
// The job table: the rows of the job list and the option slots beside
// them, kept in step. Row i is one job: a caption (the source path) and 24
// sub-item texts (see JobColumns.h); option slot i holds its input and
// output records. At most 501 jobs.
//
// Everything here runs on the UI thread.

#include "jobs/JobColumns.h"
#include "jobs/OptionSlots.h"

#include <QObject>
#include <QStringList>

namespace platform {
class Platform;
}

namespace jobs {

class JobListView;

class JobTable : public QObject {
    Q_OBJECT
public:
    // Creates the list view lvFiles as a child of `viewParent`. The platform
    // shows the refusal of a job beyond the 501st.
    JobTable(platform::Platform& platform, QWidget* viewParent);

    JobListView* view() const { return view_; }

    int rowCount() const;
    bool isEmpty() const { return rowCount() == 0; }

    // False, after telling the user through the platform ("提示") that the
    // list holds at most 501 jobs, when the list is full. Adding code asks
    // before it does any work for a new job.
    bool acceptsMore();

    // Adds a row at the end with its caption and sub-items (missing ones
    // empty) and stores its records in the next slot. Does not select it.
    // Returns the new row, or -1 when the list is full (refused as above,
    // nothing written).
    int append(const QString& caption, const QStringList& subItems,
               const engine::TInputOptions& input, const engine::TOutputOptions& output);
    // Deletes row k; the slots after it move down one place.
    void remove(int row);
    // Exchanges two rows, all 25 cells, and their slots, repainting once.
    void swap(int a, int b);
    // Deletes every row and frees every slot.
    void clear();
    // Initialise output slots (Button15Click, "初始化数值"): every slot free.
    void freeAllSlots();

    QString caption(int row) const;
    void setCaption(int row, const QString& text);
    QString subItem(int row, int subItem) const;
    void setSubItem(int row, int subItem, const QString& text);
    // The caption and the 24 sub-items of a row.
    QStringList cells(int row) const;

    // The selected row, or -1.
    int selectedRow() const;
    // Selects `row` (raising rowSelected); -1 clears the selection.
    void selectRow(int row);

    OptionSlots& optionSlots() { return slots_; }
    const OptionSlots& optionSlots() const { return slots_; }
    engine::TInputOptions& inputSlot(int slot) { return slots_.input(slot); }
    engine::TOutputOptions& outputSlot(int slot) { return slots_.output(slot); }

signals:
    // A row became the selected one (lvFilesSelectItem).
    void rowSelected(int row);
    // The list was clicked (lvFilesClick) or double-clicked (lvFilesDblClick).
    void clicked();
    void doubleClicked();
    // The row count changed; the empty-list picture follows isEmpty().
    void rowCountChanged(int rows);

private:
    void checkRow(int row) const;
    void writeCells(int row, const QStringList& cells);

    platform::Platform& platform_;
    JobListView* view_;
    OptionSlots slots_;
};

}  // namespace jobs
