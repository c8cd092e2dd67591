#pragma once
// The About box (Form2, "关于软件"): the logo, the product name and
// version, the web site as a link, and "确定".

#include <QDialog>

namespace platform {
class Platform;
}

namespace app {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(platform::Platform& platform, QWidget* parent);

public slots:
    void bsSkinButton1Click();  // 确定

private:
    platform::Platform& platform_;
};

}  // namespace app
