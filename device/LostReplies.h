#pragma once
// A reply the line lost or garbled says nothing of what the controller did
// with the request: a write may have been taken, a read was answered. The
// same request is then made again, a few times; a refusal is final.

#include <functional>

class DeviceOperations;
class Parameter;

// A lost (no reply), garbled (checksum) or foreign (another request's) reply;
// not the controller's refusal.
bool IsLostReply(int result, const Parameter& p);

// exchange, about p, made again while its reply is lost; up to three in all.
int UntilAnswered(Parameter& p, const std::function<int()>& exchange);

// DeviceOperations::WriteParameter with the same value again after a lost reply.
int WriteUntilAnswered(DeviceOperations& ops, Parameter& p);
// DeviceOperations::ReadParameter again after a lost reply.
int ReadUntilAnswered(DeviceOperations& ops, Parameter& p);
