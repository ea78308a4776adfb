// The project and device file readers on arbitrary bytes: they must never
// crash, read past their input or keep anything outside the 64 records, and
// take a colour only whole, for a gear the file holds.

#include "storage/colour_lines.h"
#include "storage/device_lines.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

const QString& inputPath() {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("input"));
    return path;
}

void require(bool condition) {
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        QFile file(inputPath());
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    DeviceTable table{};
    ProjectHeader header;
    const int kept = ReadProjectFile(inputPath(), table, &header);
    int present = 0;
    for (const DeviceRecord& record : table) {
        present += record.present;
        // A colour line gives a present record its colour and the colour read bit.
        const bool coloured = record.colour.features != 0;
        require(record.present == 0 || record.readState == (coloured ? 7 | kReadStateColour : 7));
        require(coloured ? record.present == 1 : record.colour == ColourSettings{});
        require(record.colour.mirek == kColourMask && record.colour.levels == kAllChannelsMasked);
        require(record.groupMask == (record.groupsHigh << 8 | record.groupsLow));
        require(record.name.isEmpty() || record.present == 1);
        require(record.name.size() <= kMaxProjectTextLength);
    }
    require(header.notes.size() <= kMaxProjectTextLength);
    require(kept >= present && kept <= kDeviceCount);

    DeviceRecord record;
    require(ReadDeviceFile(inputPath(), record));
    require(record.actualLevel == 255);

    // The line parser on the bytes as UTF-16 code units, odd byte dropped.
    const QString line = QString::fromUtf16(reinterpret_cast<const char16_t*>(data), qsizetype(size / 2));
    ParseDeviceLine(line);
    if (const auto colour = ParseColourLine(line))
        require(colour->first < kDeviceCount && colour->second.features != 0);
    return 0;
}
