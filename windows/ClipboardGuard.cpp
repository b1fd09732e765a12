#include "ClipboardGuard.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTextEdit>

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
    clipboard->clear(QClipboard::Clipboard);
    if (clipboard->supportsSelection())
        clipboard->clear(QClipboard::Selection);
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
