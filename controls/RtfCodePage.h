#pragma once
// Code page 1251 for the RTF reader: the modification descriptions are
// single-byte Cyrillic files.

// The character of one code-page-1251 byte (U+FFFD for the one unassigned byte).
char32_t RtfCodePageChar(unsigned char byte);
