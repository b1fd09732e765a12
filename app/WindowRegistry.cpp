#include "WindowRegistry.h"

#include <QEvent>
#include <QPointer>

#include <utility>

namespace {

struct Entry {
    QPointer<QObject> window;
    std::function<void()> close;
};

// Forgets a window when it receives its close event. The program's windows never refuse a
// close, so the event is the moment the window stops being loaded; its deletion comes later.
class CloseWatcher : public QObject {
public:
    QList<Entry> entries;

    void forget(QObject* window)
    {
        entries.removeIf([window](const Entry& entry) {
            return entry.window.isNull() || entry.window == window;
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close)
            forget(watched);
        return QObject::eventFilter(watched, event);
    }
};

CloseWatcher& closeWatcher()
{
    static CloseWatcher watcher;
    return watcher;
}

} // namespace

namespace WindowRegistry {

QList<QObject*> oldestFirst()
{
    QList<QObject*> loaded;
    for (const Entry& entry : closeWatcher().entries)
        if (entry.window)
            loaded << entry.window.data();
    return loaded;
}

void add(QObject* window, std::function<void()> close)
{
    CloseWatcher& watcher = closeWatcher();
    watcher.entries << Entry{window, std::move(close)};
    window->installEventFilter(&watcher);
}

void forget(QObject* window) { closeWatcher().forget(window); }

void close(QObject* window)
{
    for (const Entry& entry : closeWatcher().entries) {
        if (entry.window && entry.window == window) {
            // A copy: the closing step forgets the entry while the call runs.
            const std::function<void()> closeWindow = entry.close;
            closeWindow();
            return;
        }
    }
}

} // namespace WindowRegistry
