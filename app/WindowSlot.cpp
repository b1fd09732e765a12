#include "WindowSlot.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>

namespace {

// Forgets a window when it receives its close event. The program's windows never refuse a
// close, so the event is the moment the window stops being loaded; its deletion comes later.
class CloseWatcher : public QObject {
public:
    QList<QPointer<QWidget>> windows;

    void forget(QObject* window)
    {
        windows.removeIf(
            [window](const QPointer<QWidget>& w) { return w.isNull() || w == window; });
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

namespace LoadedWindows {

QList<QWidget*> oldestFirst()
{
    QList<QWidget*> loaded;
    for (const QPointer<QWidget>& window : closeWatcher().windows)
        if (window)
            loaded << window.data();
    return loaded;
}

void add(QWidget* window)
{
    CloseWatcher& watcher = closeWatcher();
    watcher.windows << window;
    window->installEventFilter(&watcher);
    // A dialog that ends with done() (Escape, accept, reject) closes without a close event.
    if (auto* dialog = qobject_cast<QDialog*>(window))
        QObject::connect(dialog, &QDialog::finished, &watcher,
                         [dialog] { closeWatcher().forget(dialog); });
}

} // namespace LoadedWindows

QWidget* openingWindow()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    const QList<QWidget*> loaded = LoadedWindows::oldestFirst();
    for (auto window = loaded.crbegin(); window != loaded.crend(); ++window)
        if ((*window)->isVisible())
            return *window;
    return nullptr;
}
