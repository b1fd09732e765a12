#pragma once
// "At most once, loaded when first touched, discarded when closed": every window of the
// program derives from WindowSlot<itself>, which creates it from its description when none
// is loaded and forgets it the moment it closes. The loaded windows are kept in creation
// order for CloseAllAndEnd (WindowRegistry).

#include <QList>
#include <QWidget>

namespace LoadedWindows {
// The windows that are loaded now, oldest first (WindowRegistry's, as the widgets they are).
QList<QWidget*> oldestFirst();
// Called once for each new window: registers it and forgets it when it closes.
void add(QWidget* window);
} // namespace LoadedWindows

// The window that a dialog opened now belongs over: the active modal window or the active
// window, else the newest of ours that is shown (a compositor may not have activated any
// window yet); nullptr while none is shown.
QWidget* openingWindow();

template <class Window> class WindowSlot {
public:
    // The loaded window, or a new one created (hidden) from its description.
    static Window* instance()
    {
        if (Window* window = loaded())
            return window;
        auto* window = new Window();
        window->setAttribute(Qt::WA_DeleteOnClose);
        LoadedWindows::add(window);
        return window;
    }

    // The loaded window, or nullptr; never creates one.
    static Window* loaded()
    {
        for (QWidget* window : LoadedWindows::oldestFirst())
            if (auto* match = qobject_cast<Window*>(window))
                return match;
        return nullptr;
    }

    static bool isLoaded() { return loaded() != nullptr; }
};
