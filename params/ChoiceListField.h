#pragma once
// The format field of a base record: a format name, or choices separated by
// ':' that may begin with a visibility mark ("<hide>" never offered,
// "<hide>(2,3)" hidden in modifications 2 and 3).

#include <cstdint>
#include <string>
#include <vector>

class ChoiceListField {
public:
    static constexpr std::uint8_t kNeverOffered = 0x80;

    // format gets the choice texts joined by ':' ('_' shown as a blank when
    // there are two or more), masks one byte per choice.
    static void Parse(const std::string& field, std::string& format,
                      std::vector<std::uint8_t>& masks);

private:
    static std::uint8_t TakeMark(std::string& choice);
    static std::uint8_t ModificationMask(const std::string& numbers);
};
