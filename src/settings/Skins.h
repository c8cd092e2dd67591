#pragma once
// The two themes of the program, as Qt style sheets kept in the resources:
// the main skin ("Office2010_Black", a dark office look) for every window,
// message box and dialog, and the accent skin ("iOS4", light and rounded)
// for a fixed set of controls picked by their object names: the tool
// buttons 添加, 删除, 清空, 开始, 停止, 暂停 and 选项 and the six preset
// lists of the main window, and the radio buttons of the Options dialog.
//
// The main skin goes on the application, the accent skin on each window
// that holds accent controls. A window's own sheet wins over the
// application's, so the accent controls keep their look whatever the main
// skin is, and without a main skin everything else stays in the plain look.

#include <QString>
#include <QStringList>

class QWidget;

namespace settings {

// The names of the main skins in list order; index 0 is "Office2010_Black".
QStringList mainSkinNames();

// The style sheet of main skin `index`; empty when the index names none.
QString mainSkinStyleSheet(int index);
// The style sheet of the accent skin.
QString accentSkinStyleSheet();

// The main skin of the running application.
class MainSkin {
public:
    // Loads skin `index` and redraws every window with it. An index equal to
    // the current one or outside the list changes nothing. Returns whether
    // the skin was changed.
    bool setIndex(int index);
    // The index of the loaded skin; -1 before any was loaded.
    int index() const { return index_; }

private:
    int index_ = -1;
};

// Puts the accent skin on `window`: its controls with the accent names
// take the accent look.
void applyAccentSkin(QWidget* window);

}  // namespace settings
