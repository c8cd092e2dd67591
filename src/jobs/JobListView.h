#pragma once
// The list view of the jobs (object name "lvFiles"): 25 columns with their
// headers and widths, grid lines, whole-row selection of one row at a time
// and no editing in place. The hidden columns stay at most 1 pixel wide
// whatever the user drags. Like a report list, a click on the empty space
// below the rows clears the selection, and every click counts, on a row or
// not.

#include <QTableWidget>

namespace jobs {

class JobListView : public QTableWidget {
    Q_OBJECT
public:
    explicit JobListView(QWidget* parent = nullptr);

    static bool isHiddenColumn(int column);

signals:
    // A click or double click anywhere in the list.
    void listClicked();
    void listDoubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private slots:
    void keepHiddenColumnNarrow(int column, int oldWidth, int newWidth);
};

}  // namespace jobs
