#pragma once
// The one folder-selection dialog of the program (title "选择输出目录"),
// shared by the output-folder and the snapshot-folder choosers. Like a
// dialog object that keeps its folder between showings, it opens on the
// folder it last returned and changes its folder only when the user
// confirms one.

#include <QString>

namespace platform {
class Platform;
}

namespace settings {

class FolderChooser {
public:
    explicit FolderChooser(platform::Platform& platform);

    // Shows the dialog and returns its folder after it closed: the folder
    // just confirmed, or after a cancel the folder last confirmed in it (by
    // either user), or an empty text when none ever was.
    QString choose();

    // The folder it holds now (empty before the first confirmation).
    QString folder() const { return folder_; }

private:
    platform::Platform& platform_;
    QString folder_;
};

}  // namespace settings
