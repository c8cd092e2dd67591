#pragma once
// Powers the computer off through systemd-logind on the system bus
// (org.freedesktop.login1.Manager.PowerOff, not interactive: logind decides
// by its policy alone and never asks for a password).

#include <QString>

namespace platform {

// True when logind accepted the request. On a refusal or without logind
// nothing happens; `reason` (when given) receives the D-Bus error text.
bool requestPowerOff(QString* reason = nullptr);

}  // namespace platform
