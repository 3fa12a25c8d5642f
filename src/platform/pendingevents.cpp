#include "platform/pendingevents.h"

#include <QCoreApplication>

namespace platform {

void letPendingEventsRun()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

} // namespace platform
