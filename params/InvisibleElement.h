#pragma once
// A parameter set that has no place on a drawing, such as the link settings.

#include "params/ElementBounds.h"
#include "params/ObjectWithParameters.h"

#include <string>
#include <string_view>

class InvisibleElement : public ObjectWithParameters {
public:
    // SetValueByName's answer when the name was "Название".
    static constexpr int kCaptionSet = 3;

    std::string caption;

    // "Название" sets the caption; other names go to the parameters.
    int SetValueByName(std::string_view name, const std::string& value) override;

    virtual ElementBounds GetBounds() const;
    // The element's kind numbers; the link-settings classes answer their own.
    virtual int GetElementKind() const;
    virtual int GetElementVariant() const;
    virtual std::string GetTypeName() const;
    virtual int GetTypeCode() const;
    virtual std::string GetGroupName() const;
    // The caption (or the type name), then the type name in brackets.
    virtual std::string GetTitle() const;
    // The link settings, one "\r\n"-ended line each.
    virtual std::string GetDescription() const;
};
