#pragma once

#include <QString>

// The vendor's web site, fixed when the program is built.
inline QString vendorHost()
{
    return QStringLiteral(KORVEL_VENDOR_HOST);
}

inline QString vendorHomeAddress()
{
    return QStringLiteral("http://") + vendorHost() + QStringLiteral("/");
}

inline QString vendorDisplayAddress()
{
    return vendorHost();
}
