#pragma once
// A preview pane on a real player, with a recording platform whose home and
// executable folder are a fresh temporary folder. The player's events come
// through a QueueDispatcher that pumpUntil() runs together with Qt's events.

#include "engine/QueueDispatcher.h"
#include "engine/player/Player.h"
#include "preview/PreviewPane.h"
#include "settings/FolderChooser.h"
#include "settings/OptionFile.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"

#include <QStringList>

#include <functional>
#include <memory>

namespace previewtest {

struct PaneFixture {
    PaneFixture();
    ~PaneFixture();

    // A clip made by the ffmpeg command line, in the test media folder.
    static QString clip(const std::string& name, double seconds, int width = 320, int height = 240);

    // Runs player events and Qt events until `done` holds; false if it never does.
    bool pumpUntil(const std::function<bool()>& done);
    void pump();
    // Opens `file` the way selecting a job row does.
    bool openPreview(const QString& file);

    settings::OptionFile optionFile() const;
    QString home() const { return QString::fromStdString(dir.path().string()); }

    testsupport::TempDir dir;
    testsupport::RecordingPlatform platform;
    settings::FolderChooser chooser{platform};
    engine::QueueDispatcher dispatcher;
    engine::Player player{dispatcher};
    std::unique_ptr<preview::PreviewPane> pane;
    QStringList log;
    int focusRequests = 0;
    bool rowSelected = true;
};

}  // namespace previewtest
