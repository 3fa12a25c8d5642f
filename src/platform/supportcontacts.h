#pragma once

#include <QString>

namespace platform {

// How the users of this copy reach whoever provides it for help. An empty field is a channel
// that is not offered.
struct SupportContacts
{
    QString url;
    QString email;
    QString phone;
};

// The contacts this copy was built with (the build settings TRELLIS_SUPPORT_URL,
// TRELLIS_SUPPORT_EMAIL and TRELLIS_SUPPORT_PHONE); all empty unless a provider set them.
SupportContacts builtSupportContacts();

} // namespace platform
