// Kelvane: until the main window lands, a small window that opens the first
// kit interface and shows its serial number and bridge revision.

#include "link/dalikit.h"

#include <QApplication>
#include <QLabel>
#include <QString>

namespace {

QString describeFirstInterface() {
    const KitHandle handle = kit_open();
    if (!handle)
        return QStringLiteral("Keine Quorrel-Schnittstelle gefunden.");
    kit_set_timeout(handle, 2000);
    dalikit_EnableI2C(handle);
    BusLink link{handle, dalikit_ProbeBridgeAddress(handle)};
    wchar_t serial[9] = {};
    kit_serial_number(handle, serial);
    return QStringLiteral("SN: %1\nRev: %2")
        .arg(QString::fromWCharArray(serial), QString::fromStdString(dalikit_ReadRevision(link)));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    QApplication::setApplicationVersion(QStringLiteral(KELVANE_VERSION_TEXT));

    QLabel window(describeFirstInterface());
    window.setWindowTitle(QStringLiteral("Orvent Kelvane"));
    window.setMargin(24);
    window.show();
    const int code = app.exec();
    kit_close(kit_device_at(1));
    return code;
}
