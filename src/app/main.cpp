// The QuorvinXvid desktop program: one main window with its About box and
// Options dialog, running until the main window closes.

#include "app/MainWindow.h"
#include "app/ProductInfo.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(app::kApplicationTitle);
    application.setProperty("helpFile", app::kHelpFileName);

    platform::QtPlatform platform(app::kApplicationTitle);
    app::MainWindow window(platform);
    window.show();
    return QApplication::exec();
}
