#include "PaneFixture.h"

#include "preview/VideoScreen.h"
#include "support/MediaFixture.h"

#include <QCoreApplication>

#include <chrono>

namespace previewtest {

PaneFixture::PaneFixture() : platform(dir.path())
{
    pane = std::make_unique<preview::PreviewPane>(player, platform, chooser);
    preview::PreviewHooks hooks;
    hooks.appendLog = [this](const QString& line) { log << line; };
    hooks.focusJobList = [this] { ++focusRequests; };
    hooks.jobRowSelected = [this] { return rowSelected; };
    pane->setHooks(hooks);
}

PaneFixture::~PaneFixture() { pane.reset(); }

QString PaneFixture::clip(const std::string& name, double seconds, int width, int height)
{
    testsupport::ClipSpec spec;
    spec.name = name;
    spec.seconds = seconds;
    spec.width = width;
    spec.height = height;
    return QString::fromStdString(testsupport::makeClip(spec));
}

bool PaneFixture::pumpUntil(const std::function<bool()>& done)
{
    // The bound only keeps a broken player from hanging the test run.
    auto giveUpAt = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!done()) {
        if (std::chrono::steady_clock::now() > giveUpAt)
            return false;
        dispatcher.pump(std::chrono::milliseconds(10));
        QCoreApplication::processEvents();
    }
    return true;
}

void PaneFixture::pump()
{
    dispatcher.pump();
    QCoreApplication::processEvents();
}

bool PaneFixture::openPreview(const QString& file)
{
    pane->T_Movie_PLayer_FileName = file;
    int before = pane->screen()->framesReceived();
    pane->Button31Click();
    return player.IsOpen() && pumpUntil([&] { return pane->screen()->framesReceived() > before; });
}

settings::OptionFile PaneFixture::optionFile() const { return settings::optionFileOf(platform); }

}  // namespace previewtest
