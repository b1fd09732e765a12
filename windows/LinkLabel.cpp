#include "LinkLabel.h"

#include "Appearance.h"

#include <QAccessibleWidget>
#include <QMetaObject>
#include <QMouseEvent>

namespace {

// What assistive technology sees of a link label: a link named by its caption (unless the
// window gives it a name of its own), whose press action stands in for the mouse click that
// is the only other way to follow it (link labels take no keyboard focus).
class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    static QAccessibleInterface* create(const QString& className, QObject* object)
    {
        auto* label = qobject_cast<LinkLabel*>(object);
        if (className != QLatin1String("LinkLabel") || !label)
            return nullptr;
        return new LinkLabelAccessible(label);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel*>(widget())->text(); // the captions are plain text
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override
    {
        if (actionName != pressAction()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        if (!widget()->isEnabled())
            return; // a disabled label gets no clicks either
        // Queued, as a button's press is: the caller gets its answer at once, even when the
        // link brings up a window of its own.
        auto* label = static_cast<LinkLabel*>(widget());
        QMetaObject::invokeMethod(
            label, [label] { emit label->clicked(); }, Qt::QueuedConnection);
    }
};

// Before the first link label can be asked for its description, once for the process.
void installAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(&LinkLabelAccessible::create);
        return true;
    }();
    Q_UNUSED(installed);
}

void applyLinkLook(LinkLabel* label)
{
    label->setCursor(Qt::PointingHandCursor);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAutoFillBackground(true);
    Appearance::setFont(label, Appearance::Family::Verdana, 11,
                        Appearance::Bold | Appearance::Underline);
    Appearance::setTextColour(label, QColor(0, 0, 160));
}

} // namespace

LinkLabel::LinkLabel(QWidget* parent, Qt::WindowFlags flags) : QLabel(parent, flags)
{
    installAccessibleFactory();
    applyLinkLook(this);
}

LinkLabel::LinkLabel(const QString& text, QWidget* parent, Qt::WindowFlags flags)
    : QLabel(text, parent, flags)
{
    installAccessibleFactory();
    applyLinkLook(this);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}
