#pragma once

// The fixed description texts of failed preconditions. Each operation keeps its own wording.
namespace descr {
inline constexpr const char* kPortNotOpened = "Port was not opened!\nError = -1";
inline constexpr const char* kPortNotOpenedWrite = "Port was not opened.\nError = -1";
inline constexpr const char* kSessionOpened = "Session was opened!\nError = -16";
inline constexpr const char* kEndCharAbsent = "End character is absent.\nError = -19";
inline constexpr const char* kPortOpened = "Port was opened!\nError = -20";
inline constexpr const char* kSessionNotOpened = "Session was not opened.\nError = -21";
inline constexpr const char* kSessionNotOpenedRead = "Session was not opened!!\nError = -21";
inline constexpr const char* kSessionNotOpenedClearError = "Session was not opened\nError = -21";
inline constexpr const char* kSessionNotOpenedEnd = "Session was not opened!\nError = -21";
}  // namespace descr
