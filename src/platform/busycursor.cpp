#include "platform/busycursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace platform {

BusyCursor::BusyCursor()
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        m_active = true;
    }
}

BusyCursor::~BusyCursor()
{
    release();
}

void BusyCursor::release()
{
    if (m_active) {
        QGuiApplication::restoreOverrideCursor();
        m_active = false;
    }
}

} // namespace platform
