#pragma once
// The list view of the jobs (object name "lvFiles"): 25 columns with their
// headers and widths, grid lines, whole-row selection of one row at a time
// and no editing in place. The hidden columns stay at most 1 pixel wide
// whatever the user drags.

#include <QTableWidget>

namespace jobs {

class JobListView : public QTableWidget {
    Q_OBJECT
public:
    explicit JobListView(QWidget* parent = nullptr);

    static bool isHiddenColumn(int column);

private slots:
    void keepHiddenColumnNarrow(int column, int oldWidth, int newWidth);
};

}  // namespace jobs
