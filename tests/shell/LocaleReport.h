#pragma once
// The locale test starts this test binary again as a child that only
// prints what the program's number formatting gives under its locale.

constexpr const char* kLocaleReportSwitch = "ZRK_LOCALE_CHILD";

// Prints the child's report on standard output; the process exit code.
int PrintLocaleReport();
