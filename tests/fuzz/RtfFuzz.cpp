// The RTF reader of the modification descriptions: any text reads to
// paragraphs, whatever its groups and control words.

#include "FuzzSupport.h"

#include "controls/RtfReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<RtfParagraph> paragraphs =
        RtfReader::Read(std::string_view(reinterpret_cast<const char*>(data), size));
    FUZZ_CHECK(!paragraphs.empty());
    return 0;
}
