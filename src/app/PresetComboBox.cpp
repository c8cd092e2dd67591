#include "app/PresetComboBox.h"

#include <QPalette>
#include <QSignalBlocker>

namespace app {

PresetComboBox::PresetComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setMaxVisibleItems(kVisibleEntries);
    // The shown text of a list without a chosen entry is drawn as the
    // placeholder; it must look like any chosen text.
    QPalette look = palette();
    look.setColor(QPalette::PlaceholderText, look.color(QPalette::Text));
    setPalette(look);
    connect(this, &QComboBox::activated, this, [this](int index) { showText(itemText(index)); });
}

void PresetComboBox::setEntries(const QStringList& entries) {
    const QSignalBlocker quiet(this);
    clear();
    addItems(entries);
    setCurrentIndex(-1);
    // With no chosen entry the list draws its placeholder: the shown text.
    setPlaceholderText(shown_);
}

void PresetComboBox::chooseEntry(int n) {
    if (n < 0 || n >= count()) {
        const QSignalBlocker quiet(this);
        setCurrentIndex(-1);
        return;
    }
    {
        const QSignalBlocker quiet(this);
        setCurrentIndex(n);
    }
    showText(itemText(n));
}

void PresetComboBox::showText(const QString& text) {
    setPlaceholderText(text);
    if (text == shown_) return;
    shown_ = text;
    emit shownTextChanged();
}

}  // namespace app
