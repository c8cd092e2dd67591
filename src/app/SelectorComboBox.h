#pragma once
// A drop-down list of the output selectors (category, profile) with the
// change notification they need: changed() follows every choice by the
// user, even of the entry already shown, and every index set through
// setIndexNotifying, even an unchanged one. Setting the index any other way
// (setCurrentIndex) raises nothing.

#include <QComboBox>

namespace app {

class SelectorComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit SelectorComboBox(QWidget* parent = nullptr);

    void setIndexNotifying(int index);

signals:
    void changed();
};

}  // namespace app
