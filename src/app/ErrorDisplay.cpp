#include "app/ErrorDisplay.h"

#include "platform/Platform.h"

#include <QString>

#include <exception>

namespace app {

void ErrorDisplay::run(const std::function<void()>& handler) const
{
    try {
        handler();
    } catch (const std::exception& error) {
        platform_.showError(QString::fromUtf8(error.what()));
    } catch (...) {
        platform_.showError(QStringLiteral("Unknown error"));
    }
}

}  // namespace app
