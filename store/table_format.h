#pragma once

#include <cstdint>

// The byte layout of a dBASE III table file as the table engine reads and writes it
// (see doc/table_format.md). All numbers are little-endian.
//
//   header (32 bytes) | field descriptors (32 bytes each) | 0x0D | records | 0x1A
//
// A record is one deletion flag byte followed by every field's bytes, in descriptor order.
namespace brevanta::dbf {

// File header.
inline constexpr int kHeaderSize = 32;
inline constexpr int kVersionOffset = 0;        // one byte, kVersion
inline constexpr int kUpdateDateOffset = 1;     // three bytes: year - 1900, month, day
inline constexpr int kRecordCountOffset = 4;    // uint32: rows in the file, deleted ones included
inline constexpr int kHeaderLengthOffset = 8;   // uint16: header + descriptors + terminator
inline constexpr int kRecordLengthOffset = 10;  // uint16: deletion flag + every field's width
inline constexpr uint8_t kVersion = 0x03;       // dBASE III, no memo file

// One byte naming the code page of the text. Windows ANSI (code page 1252) is the one the store
// reads and writes every text in, so every write of a header marks the table with it; a table
// that is only read keeps its byte.
inline constexpr int kLanguageDriverOffset = 29;
inline constexpr uint8_t kWindowsAnsiLanguageDriver = 0x03;

// Field descriptor, one per field, right after the header.
inline constexpr int kDescriptorSize = 32;
inline constexpr int kFieldNameOffset = 0;  // 11 bytes: the name, NUL-padded
inline constexpr int kFieldNameSize = 11;
inline constexpr int kMaxFieldNameLength = 10;   // written names leave room for one NUL
inline constexpr int kFieldTypeOffset = 11;      // 'C', 'N' or 'D'
inline constexpr int kFieldWidthOffset = 16;     // one byte
inline constexpr int kFieldDecimalsOffset = 17;  // one byte; 0 except in numeric fields

// Ends the descriptors; the header length counts it.
inline constexpr char kHeaderTerminator = 0x0D;

// Records.
inline constexpr char kLiveFlag = ' ';
inline constexpr char kDeletedFlag = '*';
inline constexpr char kEndOfFile = 0x1A;  // after the last row; readers rely on the count instead

// Field limits.
inline constexpr int kMaxFieldWidth = 254;
inline constexpr int kDateWidth = 8;  // "yyyymmdd"
inline constexpr int kMaxRecordLength = 65535;

}  // namespace brevanta::dbf
