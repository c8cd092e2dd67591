#include "app/SelectorComboBox.h"

#include <QSignalBlocker>

namespace app {

SelectorComboBox::SelectorComboBox(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::activated, this, &SelectorComboBox::changed);
}

void SelectorComboBox::setIndexNotifying(int index) {
    {
        const QSignalBlocker quiet(this);
        setCurrentIndex(index);
    }
    emit changed();
}

}  // namespace app
