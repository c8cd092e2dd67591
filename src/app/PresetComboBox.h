#pragma once
// One preset list: fixed entries the user picks from, eight visible.
//
// The list keeps a shown text of its own, which outlives its entries:
// replacing the entries leaves the text as it was, and choosing an entry
// number beyond the list leaves the list without a chosen entry and the
// text unchanged. shownTextChanged() is raised only when the shown text
// changes, by the user or by chooseEntry.

#include <QComboBox>
#include <QStringList>

namespace app {

class PresetComboBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr int kVisibleEntries = 8;

    explicit PresetComboBox(QWidget* parent = nullptr);

    // Replaces the entries; no entry is chosen afterwards, the text stays.
    void setEntries(const QStringList& entries);

    // Chooses entry n (from 0); raises shownTextChanged() when its text
    // differs from the shown one. A number outside the list chooses none.
    void chooseEntry(int n);

    // The chosen entry number, or -1.
    int chosenEntry() const { return currentIndex(); }
    QString shownText() const { return shown_; }

signals:
    void shownTextChanged();

private:
    void showText(const QString& text);

    QString shown_;
};

}  // namespace app
