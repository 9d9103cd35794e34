#pragma once

#include <QString>
#include <QSysInfo>

// The faces the windows name: Nimbus Roman comes with the Linux package. On Windows
// the window tests run on the offscreen platform, which sees none of the system's
// fonts; tst_window_fonts checks the faces there on the Windows platform itself.
inline bool NamedFacesResolve() {
    return QSysInfo::productType() != QLatin1String("windows");
}
