#pragma once
// Pellix kit: the API through which Kelvane reaches its USB interfaces.
//
// A kit interface is one Pellix USB I/O controller. It moves fixed-size reports
// on numbered pipes; Kelvane uses pipe 1 only. Byte 0 of every report is the
// report id. Two backends implement the API: the HID backend (hidapi over
// hidraw, real Quorrel interfaces) and the simulated backend, which is chosen
// when the environment variable PELLIXKIT_SIMULATION is set ("demo" or the path
// of a scenario file). PELLIXKIT_CAPTURE names a file that receives every DALI
// frame of the simulated buses. PELLIXKIT_VENDOR_ID (hexadecimal, "0x1a2b")
// replaces the USB vendor id the HID backend looks for. On the HID backend one
// interface is one USB device, and pipe n is its HID interface with USB
// interface number n.
//
// Handles
//   A handle is opaque and pointer-sized. It stays valid until kit_close, also
//   across later kit_open calls: an interface that is still attached gets the
//   same handle again from every later enumeration. A handle that was never
//   returned, or is null, is rejected by every call with the result stated.
//   After kit_close a handle is closed: I/O on it fails, and a second
//   kit_close is harmless. An unplugged interface keeps its handle; its I/O
//   fails (short transfers) until it is closed, or until a later kit_open
//   finds it plugged in again and gives it back under the same handle.
//
// Threads
//   Every call may be made from any thread. Calls on one handle are
//   serialised report by report; keeping a multi-report transaction together
//   is the caller's job (the link layer holds one lock per handle for that).

#include <cstdint>

using KitHandle = void*;

// Maximum number of interfaces an enumeration lists. Interfaces past the 16th
// (in the backend's enumeration order) are not listed and get no handle.
constexpr int kKitMaxDevices = 16;

// Enumerates the attached interfaces. Returns the handle of the first one, or
// null when none is attached. Earlier handles stay valid.
KitHandle kit_open();

// Number of interfaces found by the last kit_open (0..16); 0 before the first.
int kit_device_count();

// Handle of interface `index` (1-based) of the last kit_open; null when the
// index is out of range.
KitHandle kit_device_at(int index);

// USB product id of the interface; 0 for a null or unknown handle.
uint16_t kit_product_id(KitHandle handle);

// Copies the serial number (at most 8 characters, zero-terminated) into a
// buffer of 9 wide characters. Returns false, leaving the buffer untouched, for
// a null or unknown handle.
bool kit_serial_number(KitHandle handle, wchar_t* buffer9);

// Sets the read time-out in milliseconds (the default is 2000). Returns false
// for a null, unknown or closed handle.
bool kit_set_timeout(KitHandle handle, unsigned milliseconds);

// Sends one report on a pipe. `length` must be the interface's report size.
// Returns the number of bytes sent: `length` on success, less when the device
// took only part of it (or was unplugged), -1 for a null, unknown or closed
// handle, an unknown pipe or a length other than the report size.
int kit_write(KitHandle handle, int pipe, const uint8_t* buffer, int length);

// Receives one report from a pipe, waiting at most the read time-out. Returns
// the number of bytes received: `length` on success, 0 after the time-out or
// when the interface is gone, -1 for a null, unknown or closed handle, an
// unknown pipe or a length other than the report size. Never blocks longer
// than the time-out.
int kit_read(KitHandle handle, int pipe, uint8_t* buffer, int length);

// Closes the interface. Harmless on a null, unknown or already closed handle.
void kit_close(KitHandle handle);

// Pauses the caller for `milliseconds` on the interface's clock: real time on
// the HID backend, the simulated clock on the simulated backend. A null or
// unknown handle sleeps in real time.
void kit_sleep(KitHandle handle, unsigned milliseconds);

// Microseconds on the interface's clock since an arbitrary start; monotonic.
// The link layer bounds its waits with it. A null or unknown handle reads the
// real monotonic clock.
uint64_t kit_clock_us(KitHandle handle);
