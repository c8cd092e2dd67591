// Shows the preview pane on the screen, plays FILE in it for a while and
// saves a picture of the pane as it was on the screen: a way to look at
// the real pane (under Xvfb, for instance) without the rest of the window.
//
//   qvx_preview_look FILE OUT.png [SECONDS]

#include "engine/QueueDispatcher.h"
#include "engine/player/Player.h"
#include "platform/QtPlatform.h"
#include "preview/PreviewPane.h"
#include "preview/VideoScreen.h"
#include "settings/FolderChooser.h"

#include <QApplication>
#include <QGroupBox>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FILE OUT.png [SECONDS]\n", argv[0]);
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[1]);
    const QString picture = QString::fromLocal8Bit(argv[2]);
    const int seconds = argc > 3 ? std::atoi(argv[3]) : 2;

    platform::QtPlatform platform(QStringLiteral("QuorvinXvid视频格式转换器"));
    settings::FolderChooser chooser(platform);
    engine::QueueDispatcher dispatcher;
    engine::Player player(dispatcher);

    QGroupBox group(QStringLiteral("视频预览"));
    group.setFixedSize(219, 226);
    auto* pane = new preview::PreviewPane(player, platform, chooser, &group);
    pane->setGeometry(0, 0, 219, 226);
    preview::PreviewHooks hooks;
    hooks.appendLog = [](const QString& line) { std::printf("log: %s\n", qPrintable(line)); };
    hooks.jobRowSelected = [] { return true; };
    pane->setHooks(hooks);
    group.show();

    QTimer events;
    QObject::connect(&events, &QTimer::timeout, [&] { dispatcher.pump(); });
    events.start(10);

    pane->T_Movie_PLayer_FileName = file;
    pane->Button31Click();
    pane->bsSkinButton13Click();
    QTimer::singleShot(seconds * 1000, [&] {
        QPixmap shot = group.screen()->grabWindow(group.winId());
        std::printf("frames drawn: %d; saved %s: %d\n", pane->screen()->framesReceived(),
                    qPrintable(picture), shot.save(picture));
        app.quit();
    });
    return app.exec();
}
