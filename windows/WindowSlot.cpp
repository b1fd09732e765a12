#include "WindowSlot.h"

#include "WindowRegistry.h"

#include <QApplication>
#include <QDialog>

namespace LoadedWindows {

QList<QWidget*> oldestFirst()
{
    QList<QWidget*> loaded;
    for (QObject* window : WindowRegistry::oldestFirst())
        loaded << static_cast<QWidget*>(window); // add() below registers widgets only
    return loaded;
}

void add(QWidget* window)
{
    WindowRegistry::add(window, [window] { window->close(); });
    // A dialog that ends with done() (Escape, accept, reject) closes without a close event.
    if (auto* dialog = qobject_cast<QDialog*>(window))
        QObject::connect(dialog, &QDialog::finished, dialog,
                         [dialog] { WindowRegistry::forget(dialog); });
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
