#pragma once
// The controller's whole configuration into a configuration file: what
// `zrk640ctl dump` and the wizard's finish page write.

#include <string>
#include <vector>

class DeviceOperations;
class Parameter;
class ParameterTable;

// The value of "dev" or "ver", read whether or not the base describes it;
// kNoData when it does not answer.
std::string ReadIdentityText(DeviceOperations& ops, const char* name);

// The file's text of the values read, with the controller's identity.
std::string ConfigurationText(DeviceOperations& ops, const std::vector<const Parameter*>& read,
                              const std::string& source);

// Reads every configuration value and writes the file whole or not at all;
// source names the writer in the file's first line. 0 with the count of
// values in saved, or the read's result (or -1 for the file) with the
// reason in error; the file is then left as it was. A file with values
// that could not be read (marked unread in it) is 0 with them named in error.
int DumpConfiguration(DeviceOperations& ops, const ParameterTable& table, const std::string& path,
                      const std::string& source, int& saved, std::string& error);
