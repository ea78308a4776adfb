#include "app/status_panes.h"

StatusPanes InitialStatusPanes() {
    // clang-format off
    return {{
        {242, 100, {}}, {110, 0, {}},
        {245, 100, {}}, {110, 0, {}},
        {309, 100, {}}, {110, 0, {}},
        {107, 50, {}},  {110, 0, {}},
        {108, 50, {}},  {110, 0, {}},
        {110, -1, {}},  {311, 50, {}},
    }};
    // clang-format on
}

QString VersionText(int major, int minor, int build, int revision) {
    return QString::asprintf("%X.%X.%X.%X", unsigned(major), unsigned(minor), unsigned(build), unsigned(revision));
}

QString VersionText() {
    return VersionText(KELVANE_VERSION_MAJOR, KELVANE_VERSION_MINOR, KELVANE_VERSION_BUILD, KELVANE_VERSION_REVISION);
}
