#pragma once
// The engine's Dispatcher for the GUI: the owner is the thread that created
// it (the UI thread). runSync() is a blocking queued call (a direct call on
// the UI thread itself), post() a queued call (kept in order), and
// waitPumping() keeps the event loop turning while it waits.
//
// Destroy it only after every engine thread that may call it has ended: a
// thread blocked in runSync() waits for this object's thread.

#include "engine/Dispatcher.h"

#include <QObject>

namespace app {

class QtDispatcher final : public QObject, public engine::Dispatcher {
    Q_OBJECT
public:
    explicit QtDispatcher(QObject* parent = nullptr);

    void runSync(std::function<void()> fn) override;
    void post(std::function<void()> fn) override;
    void waitPumping(const std::function<bool()>& done) override;
};

}  // namespace app
