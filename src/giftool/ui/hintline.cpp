#include "giftool/ui/hintline.h"

#include <QEvent>
#include <QLabel>

namespace giftool {

namespace {

const char HintProperty[] = "hint";
const char OnlyWithTextProperty[] = "hintOnlyWithText";

} // namespace

HintLine::HintLine(QWidget *surface)
    : QObject(surface)
    , m_label(new QLabel(surface))
{ }

void HintLine::setHint(QWidget *widget, const QString &hint, bool onlyWithText)
{
    widget->setProperty(HintProperty, hint);
    widget->setProperty(OnlyWithTextProperty, onlyWithText);
    widget->setMouseTracking(true);
}

void HintLine::follow(QWidget *root)
{
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *widget : widgets) {
        if (widget->property(HintProperty).isValid())
            widget->installEventFilter(this);
    }
}

void HintLine::forget(const QWidget *widget)
{
    if (m_label->text() == widget->property(HintProperty).toString())
        m_label->clear();
}

void HintLine::clear()
{
    m_label->clear();
}

bool HintLine::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        const auto *label = qobject_cast<QLabel *>(watched);
        const bool silent
            = watched->property(OnlyWithTextProperty).toBool() && label && label->text().isEmpty();
        if (!silent)
            m_label->setText(watched->property(HintProperty).toString());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace giftool
