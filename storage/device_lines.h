#pragma once
// Project files (*.prj) and device files (*.dev): one text line per gear of
// 27 values, two upper-case hexadecimal digits each (54 characters), in
// UTF-16 little-endian code units without a byte-order mark, each line ended
// by a line feed.
//
// Value order: short address, MAX, MIN, SYSTEM FAILURE, POWER ON level,
// groups 0..7, groups 8..15, fade rate, fade time, dimming curve, fast fade
// time, then the 16 scene levels (FF = MASK).
//
// After the device lines a project may carry what the 54 digits cannot hold,
// in comment lines that every reader of the format skips:
//   #kelvane-name 05 Empfang Downlight 1    the name of the gear at address 05 (hex, as the device lines)
//   #kelvane-colour 05 ...                  a colour gear's colour settings (storage/colour_lines.h)
//   #kelvane-unread 05 parameters scenes    parts the gear did not answer for: their digits are no values
//   #kelvane-unit 05 placed=… id=…          when the gear got the address, what bank 0 said (storage/unit_lines.h)
//   #kelvane-project, #kelvane-site, #kelvane-installer, #kelvane-notes <text>    the project header
//   #kelvane-plan, #kelvane-place           the plans and the gear's places on them (storage/plan_lines.h)
// A text is one line: a line feed in it is written as "\n", a backslash as
// "\\". A project without names and header has no such lines, so it is byte
// for byte the same as one written before they existed.
//
// The readers take any file a user may pick: a byte-order mark is skipped,
// a last odd byte dropped, a carriage return before the line feed ignored,
// values that are not hexadecimal read as 0. They read at most
// kMaxDeviceFileBytes and keep at most the 54 characters of a line that
// carry values, so no file can make them hold much memory.

#include "devices/device_record.h"
#include "devices/floor_plans.h"
#include "devices/project_header.h"

#include <QString>

#include <array>
#include <cstdint>

inline constexpr int kDeviceLineValues = 27;
inline constexpr int kDeviceLineLength = 2 * kDeviceLineValues;
inline constexpr qint64 kMaxDeviceFileBytes = qint64{4} * 1024 * 1024;

// The record of this address as a device line (no line feed).
QString FormatDeviceLine(const DeviceTable& table, int address);

// The 27 values of a line: consecutive two-character pieces, each converted
// as base 16 (leading blanks and a sign allowed, stopping at the first
// character that is not a digit, no digit = 0), low 8 bits. Missing pieces
// give 0; characters past the 27th piece are ignored.
std::array<uint8_t, kDeviceLineValues> ParseDeviceLine(QStringView line);

// Every present record of the table, ascending, one line each, then the
// names of those records, their colours, the parts they hold unread (read
// bit 2 or 4 clear), the header's fields that are not empty and the plans
// (their images' paths relative to the file's folder). The file is replaced
// in one step; false when it could not be written (the old file then stays
// as it was).
bool WriteProjectFile(const QString& path, const DeviceTable& table, const ProjectHeader& header = {},
                      const FloorPlans& plans = {});

// Resets the table, then fills it from the file: comment lines ("#...") and
// empty lines are skipped; a line whose address value is above 63 is skipped
// too and not counted; after 64 kept lines reading stops. Each kept line's
// record gets present 1, readState 7, actual level 255 (a later line of the
// same address wins); an unread line clears the read bits of the parts it
// names. A name line names a kept record; the header lines fill
// `header` (when given), which starts empty. A colour line gives a kept
// record its colour and the colour read bit. The plan lines fill `plans`
// (when given), which starts empty, whether the gear is in the file or not;
// `skippedPlanLines` gets the number of plan lines that could not stand.
// Returns the number of kept lines, 0 for a file that cannot be opened.
int ReadProjectFile(const QString& path, DeviceTable& table, ProjectHeader* header = nullptr,
                    FloorPlans* plans = nullptr, int* skippedPlanLines = nullptr);

// The record of this address as a device file of one line, and its colour
// line for a colour gear; false when the file could not be written.
bool WriteDeviceFile(const QString& path, const DeviceTable& table, int address);

// The last line that is not a comment (an empty line counts, as zeros) goes
// into the record: levels, groups, fades, curve, fast fade time and scenes,
// actual level 255; the colour from the file's colour line (none without
// one); the address value is ignored and the other fields stay.
// False, with the record unchanged, when the file cannot be opened.
bool ReadDeviceFile(const QString& path, DeviceRecord& record);
