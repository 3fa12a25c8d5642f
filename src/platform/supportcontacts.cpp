#include "platform/supportcontacts.h"

#include "supportsettings.h"

namespace platform {

SupportContacts builtSupportContacts()
{
    return {QString::fromUtf8(settings::supportUrl), QString::fromUtf8(settings::supportEmail),
        QString::fromUtf8(settings::supportPhone)};
}

} // namespace platform
