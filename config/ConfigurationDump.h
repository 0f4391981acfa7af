#pragma once
// The controller's whole configuration into a configuration file: what
// `zrk640ctl dump` and the wizard's finish page write.

#include <string>

class DeviceOperations;
class ParameterTable;

// The value of "dev" or "ver", read whether or not the base describes it;
// kNoData when it does not answer.
std::string ReadIdentityText(DeviceOperations& ops, const char* name);

// Reads every configuration value and writes the file whole or not at all;
// source names the writer in the file's first line. 0 with the count of
// values in saved, or the read's result (or -1 for the file) with the
// reason in error; the file is then left as it was.
int DumpConfiguration(DeviceOperations& ops, const ParameterTable& table, const std::string& path,
                      const std::string& source, int& saved, std::string& error);
