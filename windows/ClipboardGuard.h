#pragma once

#include <QObject>

class QAbstractScrollArea;

// Empties the system clipboard (and the selection, where the platform has one) whenever
// the guarded view's text changes or the mouse clicks, presses, moves or releases on it:
// the readings are not meant to be copied out. Only what has changed since it was last emptied
// is emptied again, so that moving the mouse over a view costs nothing most of the time.
class ClipboardGuard : public QObject {
    Q_OBJECT
public:
    static void protect(QAbstractScrollArea* view);
    static void clearClipboard();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
