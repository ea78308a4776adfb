#include "app/interface_list.h"

QString InterfaceSerial(KitHandle handle) {
    wchar_t serial[9] = {};
    kit_serial_number(handle, serial);
    return QString::fromWCharArray(serial);
}

std::vector<InterfaceEntry> ListQuorrelInterfaces() {
    std::vector<InterfaceEntry> entries;
    if (!kit_open())
        return entries;
    const int count = kit_device_count();
    for (int i = 1; i <= count; ++i) {
        const KitHandle handle = kit_device_at(i);
        const QString serial = InterfaceSerial(handle);
        if (kit_product_id(handle) == kQuorrelProductId)
            entries.push_back({handle, QStringLiteral("Serial (Pellix): %1").arg(serial)});
    }
    return entries;
}
