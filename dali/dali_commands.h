#pragma once
// The DALI command set that Kelvane sends, decodes and simulates
// (IEC 62386-102 control gear commands, IEC 62386-207 device type 6).
// One table, read by the link layer, the simulator, the bus monitor and tests.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace dali {

// Address bytes of forward frames.
constexpr uint8_t kBroadcast = 0xFF;                 // command to all gear
constexpr uint8_t kBroadcastArc = 0xFE;              // direct arc power to all gear
constexpr uint8_t commandAddress(int shortAddress) { return uint8_t(((shortAddress & 0x3F) << 1) | 1); }
constexpr uint8_t arcAddress(int shortAddress) { return uint8_t((shortAddress & 0x3F) << 1); }
constexpr uint8_t groupCommandAddress(int group) { return uint8_t(0x80 | ((group & 0x0F) << 1) | 1); }

// Special commands occupy the odd first bytes 0xA1..0xCB; their second byte is data.
constexpr bool isSpecialCommand(uint8_t first) { return first >= 0xA1 && first <= 0xCB && (first & 1); }

enum class CommandSpace : uint8_t {
    Standard,     // second byte of an addressed command frame
    Special,      // first byte of a special command frame
    DeviceType6,  // application extended command after ENABLE DEVICE TYPE 6
};

struct Command {
    CommandSpace space;
    uint8_t code;           // opcode, or first byte of a special command
    uint8_t count;          // 16 for numbered families (code .. code + 15), else 1
    std::string_view name;  // family names get the number appended: "GO TO SCENE 3"
    bool sentTwice;         // configuration command: takes effect only when repeated
    bool answers;           // gear send a backward frame
};

// Every command the table knows, in table order.
std::span<const Command> commandTable();

// The command of a space with this code, or nullptr.
const Command* findCommand(CommandSpace space, uint8_t code);

// True for the special commands whose second byte is data (DTR0 x, SEARCHADDRH x, ...).
bool specialCommandCarriesData(uint8_t first);

// A decoded forward frame.
struct FrameMeaning {
    const Command* command = nullptr;  // nullptr for direct arc power and unknown frames
    int number = -1;                   // scene or group number of a family, else -1
    bool directArcPower = false;       // first byte has bit 0 clear: second byte is a level
};

// Decodes a 16-bit forward frame. deviceType6Enabled selects the application
// extended command space for opcodes 0xE0..0xFF (the frame after ENABLE DEVICE TYPE 6).
FrameMeaning decodeForwardFrame(uint8_t first, uint8_t second, bool deviceType6Enabled = false);

// The standard name of a decoded frame with its number and data, for monitors
// and capture comments: "QUERY STATUS", "GO TO SCENE 3", "DTR0 0x7F", "DAPC 254".
std::string frameName(uint8_t first, uint8_t second, bool deviceType6Enabled = false);

// "short 5", "group 2", "all", or "" for special commands.
std::string frameTarget(uint8_t first);

}  // namespace dali
