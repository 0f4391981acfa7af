#pragma once
// Told of every value that went to or came from the controller, from the
// one place all reads and writes pass (DeviceOperations). Called on the
// thread of the exchange.

class Parameter;

class ExchangeObserver {
public:
    virtual ~ExchangeObserver() = default;
    virtual void Read(const Parameter& p) = 0;
    virtual void Written(const Parameter& p) = 0;
};
