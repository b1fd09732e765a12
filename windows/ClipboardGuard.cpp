#include "ClipboardGuard.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// Whether the clipboard and the selection may hold something since they were last emptied.
// Emptying one is a round trip to the display server, and a mouse move over a view asks for
// it every time: QClipboard::changed says when there is something to empty again.
struct Holdings {
    bool clipboard = true;
    bool selection = true;
};

Holdings& holdings()
{
    static Holdings held;
    static const QMetaObject::Connection following = QObject::connect(
        QGuiApplication::clipboard(), &QClipboard::changed, qApp, [](QClipboard::Mode mode) {
            if (mode == QClipboard::Clipboard)
                held.clipboard = true;
            else if (mode == QClipboard::Selection)
                held.selection = true;
        });
    Q_UNUSED(following);
    return held;
}

} // namespace

void ClipboardGuard::protect(QAbstractScrollArea* view)
{
    auto* guard = new ClipboardGuard(view);
    view->viewport()->setMouseTracking(true); // moves count even with no button held
    view->viewport()->installEventFilter(guard);
    if (auto* plain = qobject_cast<QPlainTextEdit*>(view))
        connect(plain, &QPlainTextEdit::textChanged, guard, &ClipboardGuard::clearClipboard);
    else if (auto* rich = qobject_cast<QTextEdit*>(view))
        connect(rich, &QTextEdit::textChanged, guard, &ClipboardGuard::clearClipboard);
}

void ClipboardGuard::clearClipboard()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    Holdings& held = holdings();
    // Emptying reports a change of its own: what is empty is only noted once it is done.
    if (held.clipboard) {
        clipboard->clear(QClipboard::Clipboard);
        held.clipboard = false;
    }
    if (held.selection && clipboard->supportsSelection()) {
        clipboard->clear(QClipboard::Selection);
        held.selection = false;
    }
}

bool ClipboardGuard::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        clearClipboard();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
