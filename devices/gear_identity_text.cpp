#include "devices/gear_identity.h"

QString GtinText(const GearIdentity& identity) {
    return identity.gtin ? QString::number(*identity.gtin) : QString();
}

QString FirmwareText(const GearIdentity& identity) {
    return identity.firmware ? QStringLiteral("%1.%2").arg((*identity.firmware)[0]).arg((*identity.firmware)[1])
                             : QString();
}

QString IdentificationText(const GearIdentity& identity) {
    if (!identity.identificationNumber)
        return {};
    return QStringLiteral("%1").arg(*identity.identificationNumber, 2 * identity.identificationBytes, 16,
                                    QLatin1Char('0')).toUpper();
}
