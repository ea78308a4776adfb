#pragma once
// The bus monitor's list: every frame on a simulated bus with its time,
// direction, bytes and meaning, filtered by address and by command, paused
// and cleared at will, and exported as a capture or as CSV. A Qt item model
// of plain rows, so ten thousand frames scroll and filter at once.
// UI thread only: frames from other threads are handed over by the caller.

#include "dali/frame_decoder.h"
#include "sim/bus_frame.h"

#include <QAbstractTableModel>
#include <QString>

#include <deque>
#include <vector>

namespace sim {

// A frame as the monitor names it: "Short 5: RECALL MAX LEVEL",
// "Broadcast: OFF", "Group 2: GO TO SCENE 3", "Special: DTR0 255",
// "Reply: 0xFF", "Garbled reply", "Special: PROGRAM SHORT ADDRESS 5".
// `meaning`: the forward frame decoded in its context (dali::FrameDecoder).
QString describeFrame(const BusFrame& frame, const dali::FrameMeaning& meaning);
// The same for a frame on its own; enabledDeviceType: n when the frame before
// was ENABLE DEVICE TYPE n, else -1.
QString describeFrame(const BusFrame& frame, int enabledDeviceType);
QString describeFrame(const BusFrame& frame, bool) = delete;

class FrameMonitor final : public QAbstractTableModel {
public:
    enum Column { Time, Direction, Bytes, Meaning, ColumnCount };
    // Whom a frame is for, for the address filter; a reply is for whom its question was.
    // 0..63 short, 100 + g group g.
    enum Target : int { AnyTarget = -1, Broadcast = 64, Special = 65, Unaddressed = 66, Reserved = 67 };

    static constexpr size_t kKeptFrames = 100000;  // the oldest go first

    explicit FrameMonitor(QObject* parent = nullptr);

    void append(const BusFrame& frame);
    // Frames that came together go in as one insertion.
    void append(const std::vector<BusFrame>& frames);
    void clear();
    // While paused the list stands still; frames meanwhile are kept and
    // listed on resuming.
    void setPaused(bool paused);
    bool paused() const { return paused_; }
    void setAddressFilter(int target);
    // Frames whose meaning holds this text (any case); empty: all.
    void setCommandFilter(const QString& text);

    // The rows shown, as a capture (with its header) or as CSV with a header row.
    QString exportCapture() const;
    QString exportCsv() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Entry {
        BusFrame frame;
        QString meaning;
        int target;
    };
    void store(const BusFrame& frame);
    bool shown(const Entry& entry) const;
    void refilter();
    QString cell(const Entry& entry, int column) const;

    std::deque<Entry> entries_;
    std::vector<size_t> shown_;  // indexes into entries_ since `dropped_`
    size_t dropped_ = 0;         // entries removed from the front so far
    std::vector<BusFrame> held_;
    bool paused_ = false;
    dali::FrameDecoder decoder_;  // the monitor's own: names frames in their context
    int lastTarget_ = AnyTarget;
    int addressFilter_ = AnyTarget;
    QString commandFilter_;
};

}  // namespace sim
