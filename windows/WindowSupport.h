#pragma once
// Small pieces every window shares.

#include <QPointer>
#include <QWidget>

void EnsureResources();

// "At most once, loaded when first touched, discarded when closed": the window held in
// slot is created from its description when none exists and deleted when it closes.
template <class Window> Window* LoadWindow(QPointer<Window>& slot)
{
    if (!slot) {
        EnsureResources();
        slot = new Window();
        slot->setAttribute(Qt::WA_DeleteOnClose);
    }
    return slot.data();
}

void CentreOnScreen(QWidget* window);
