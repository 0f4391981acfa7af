#pragma once
// A small RTF reader for the modification descriptions: paragraphs, bold,
// italic, underline, font size, the colour table, code-page escapes and
// Unicode characters. Fonts, styles and "\*" destinations are skipped, any
// other group shows its text plainly. Malformed input never fails: whatever
// can be read is returned.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct RtfColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const RtfColour&) const = default;
};

struct RtfFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;             // font size in half points
    std::optional<RtfColour> colour; // none: the default text colour
    bool operator==(const RtfFormat&) const = default;
};

struct RtfRun {
    std::string text; // UTF-8
    RtfFormat format;
};

struct RtfParagraph {
    std::vector<RtfRun> runs;
};

class RtfReader {
public:
    static std::vector<RtfParagraph> Read(std::string_view rtf);

private:
    enum class Destination { Text, Skip, Colours };
    struct State {
        RtfFormat format;
        int colourIndex = 0;
        Destination destination = Destination::Text;
        int unicodeSkip = 1; // fallback characters after \uN
    };

    explicit RtfReader(std::string_view rtf) : in_(rtf) {}
    void Parse();
    void OpenGroup();
    void CloseGroup();
    void Control();
    void ControlWord();
    void ControlSymbol(char c);
    void HexEscape();
    void Apply(std::string_view word, std::optional<int> parameter);
    bool ApplyFormat(std::string_view word, std::optional<int> parameter);
    void ApplyColourTable(std::string_view word, int value);
    void Char(char32_t c);
    void ColourTableChar(char32_t c);
    void Paragraph();
    void Finish();

    std::string_view in_;
    std::size_t pos_ = 0;
    State state_;
    std::vector<State> stack_;
    int unstackedGroups_ = 0; // groups nested too deeply to keep their own state
    int pendingSkip_ = 0;
    std::vector<std::optional<RtfColour>> colours_;
    RtfColour colour_;
    bool colourSet_ = false;
    std::vector<RtfParagraph> paragraphs_{1};
};
