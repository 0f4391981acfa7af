#pragma once
// Russian texts of the codes the controller reports: network errors in an
// "n.Err" reply, fault causes in the reply to "exit", and status codes sent in
// place of a measured value.

#include <cstdint>
#include <string>

// Text of the network error code of an error reply. 1 with the text set; 0
// (text untouched) when the reply carried no data byte (count <= 0).
int network_error_text(std::uint8_t code, int count, std::string& text);

// Text of the fault code in the reply to "exit". 1, or 0 for count <= 0.
int device_fault_text(std::uint8_t code, int count, std::string& text);

// Status code 240..255 of a measurement ("rEAd", "r.CAL", "rd.rg", "Set.P",
// "r.OUt"); sub_code is byte 3, used for 245; setpoint selects the "Set.P"
// texts of 250 and 251. Empty for a sub-code without text.
std::string measurement_status_text(std::uint8_t code, std::uint8_t sub_code, bool setpoint);

// Status code 240..255 of a state parameter ("r.kEY", "r.PrG", "r.StP", "r.St").
std::string state_status_text(std::uint8_t code);
