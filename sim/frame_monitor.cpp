#include "sim/frame_monitor.h"

#include "dali/dali_commands.h"
#include "sim/bus_capture.h"

#include <utility>

namespace sim {
namespace {

int targetOf(uint8_t first) {
    if (dali::isSpecialCommand(first))
        return FrameMonitor::Special;
    if (first >= 0xFE)
        return FrameMonitor::Broadcast;
    if (dali::isBroadcastUnaddressed(first))
        return FrameMonitor::Unaddressed;
    if (dali::isReservedAddress(first))
        return FrameMonitor::Reserved;
    if (first & 0x80)
        return 100 + ((first >> 1) & 0x0F);
    return first >> 1;
}

QString targetName(int target) {
    if (target == FrameMonitor::Special)
        return QStringLiteral("Special");
    if (target == FrameMonitor::Broadcast)
        return QStringLiteral("Broadcast");
    if (target == FrameMonitor::Unaddressed)
        return QStringLiteral("Unaddressed");
    if (target == FrameMonitor::Reserved)
        return QStringLiteral("Reserved");
    if (target >= 100)
        return QStringLiteral("Group %1").arg(target - 100);
    return QStringLiteral("Short %1").arg(target);
}

QString commandName(uint8_t first, uint8_t second, const dali::FrameMeaning& meaning) {
    if (meaning.directArcPower)
        return QStringLiteral("DAPC %1").arg(second);
    if (!meaning.command)
        return QString::asprintf("UNKNOWN %02X %02X", first, second);
    QString name = QString::fromLatin1(meaning.command->name.data(), qsizetype(meaning.command->name.size()));
    if (meaning.number >= 0)
        name += QStringLiteral(" %1").arg(meaning.number);
    // Special commands carry data in their second byte: the address it means, else decimal.
    if (const std::optional<std::string> address = dali::addressData(first, second))
        name += QStringLiteral(" ") + QString::fromStdString(*address);
    else if (meaning.command->space == dali::CommandSpace::Special && dali::specialCommandCarriesData(first))
        name += QStringLiteral(" %1").arg(second);
    return name;
}

}  // namespace

QString describeFrame(const BusFrame& frame, int enabledDeviceType) {
    const auto first = uint8_t(frame.data >> 8), second = uint8_t(frame.data);
    return describeFrame(frame, dali::decodeForwardFrame(first, second, enabledDeviceType));
}

QString describeFrame(const BusFrame& frame, const dali::FrameMeaning& meaning) {
    switch (frame.kind) {
        case FrameKind::Backward:
            return QString::asprintf("Reply: 0x%02X", frame.data & 0xFF);
        case FrameKind::Garbled:
            return QStringLiteral("Garbled reply");
        case FrameKind::Forward:
            break;
    }
    const auto first = uint8_t(frame.data >> 8), second = uint8_t(frame.data);
    return targetName(targetOf(first)) + QStringLiteral(": ") + commandName(first, second, meaning);
}

FrameMonitor::FrameMonitor(QObject* parent) : QAbstractTableModel(parent) {}

void FrameMonitor::append(const BusFrame& frame) { append(std::vector<BusFrame>{frame}); }

void FrameMonitor::append(const std::vector<BusFrame>& frames) {
    if (paused_) {
        held_.insert(held_.end(), frames.begin(), frames.end());
        return;
    }
    const size_t firstNew = entries_.size();
    for (const BusFrame& frame : frames)
        store(frame);
    if (entries_.size() > kKeptFrames) {
        // A tenth more than needed goes, so the renumbering is rare.
        const size_t drop = entries_.size() - kKeptFrames + kKeptFrames / 10;
        entries_.erase(entries_.begin(), entries_.begin() + std::ptrdiff_t(drop));
        dropped_ += drop;
        refilter();
        return;
    }
    // One insertion for the view, however many frames came.
    std::vector<size_t> added;
    for (size_t i = firstNew; i < entries_.size(); ++i)
        if (shown(entries_[i]))
            added.push_back(dropped_ + i);
    if (added.empty())
        return;
    beginInsertRows({}, int(shown_.size()), int(shown_.size() + added.size()) - 1);
    shown_.insert(shown_.end(), added.begin(), added.end());
    endInsertRows();
}

void FrameMonitor::store(const BusFrame& frame) {
    int target = lastTarget_;
    dali::FrameMeaning meaning;
    if (frame.kind == FrameKind::Forward) {
        const auto first = uint8_t(frame.data >> 8), second = uint8_t(frame.data);
        target = targetOf(first);
        lastTarget_ = target;
        meaning = decoder_.feed(frame.timeUs, first, second).meaning;
    }
    entries_.push_back({frame, describeFrame(frame, meaning), target});
}

void FrameMonitor::clear() {
    beginResetModel();
    entries_.clear();
    shown_.clear();
    held_.clear();
    dropped_ = 0;
    endResetModel();
}

void FrameMonitor::setPaused(bool paused) {
    paused_ = paused;
    if (!paused)
        append(std::exchange(held_, {}));
}

bool FrameMonitor::shown(const Entry& entry) const {
    if (addressFilter_ != AnyTarget && entry.target != addressFilter_)
        return false;
    return commandFilter_.isEmpty() || entry.meaning.contains(commandFilter_, Qt::CaseInsensitive);
}

void FrameMonitor::refilter() {
    beginResetModel();
    shown_.clear();
    for (size_t i = 0; i < entries_.size(); ++i)
        if (shown(entries_[i]))
            shown_.push_back(dropped_ + i);
    endResetModel();
}

void FrameMonitor::setAddressFilter(int target) {
    addressFilter_ = target;
    refilter();
}

void FrameMonitor::setCommandFilter(const QString& text) {
    commandFilter_ = text;
    refilter();
}

QString FrameMonitor::cell(const Entry& entry, int column) const {
    const BusFrame& f = entry.frame;
    switch (column) {
        case Time:
            return QString::asprintf("%.6f", double(f.timeUs) * 1e-6);
        case Direction:
            return f.kind == FrameKind::Forward ? QStringLiteral("forward") : QStringLiteral("backward");
        case Bytes:
            if (f.kind == FrameKind::Garbled)
                return QStringLiteral("!");
            return f.kind == FrameKind::Forward ? QString::asprintf("%02X %02X", f.data >> 8, f.data & 0xFF)
                                                : QString::asprintf("%02X", f.data & 0xFF);
        case Meaning:
            return entry.meaning;
        default:
            return {};
    }
}

QString FrameMonitor::exportCapture() const {
    QString text = QString::fromLatin1(BusCapture::kHeader.data(), qsizetype(BusCapture::kHeader.size())) + '\n';
    for (size_t seq : shown_) {
        BusFrame frame = entries_[seq - dropped_].frame;
        frame.name = entries_[seq - dropped_].meaning.toStdString();
        text += QString::fromStdString(captureLine(frame)) + '\n';
    }
    return text;
}

QString FrameMonitor::exportCsv() const {
    QString text = QStringLiteral("time_s,direction,bytes,meaning\n");
    for (size_t seq : shown_) {
        const Entry& entry = entries_[seq - dropped_];
        QString meaning = entry.meaning;
        meaning.replace('"', QStringLiteral("\"\""));
        text += cell(entry, Time) + ',' + cell(entry, Direction) + ',' + cell(entry, Bytes) + ",\"" + meaning + "\"\n";
    }
    return text;
}

int FrameMonitor::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(shown_.size()); }

int FrameMonitor::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant FrameMonitor::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || size_t(index.row()) >= shown_.size())
        return {};
    return cell(entries_[shown_[size_t(index.row())] - dropped_], index.column());
}

QVariant FrameMonitor::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const kHeaders[] = {"Time (s)", "Direction", "Bytes", "Command"};
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    return QString::fromLatin1(kHeaders[section]);
}

}  // namespace sim
