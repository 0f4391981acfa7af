#include "controls/RtfReader.h"

#include "util/CodePage1251.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

constexpr std::size_t kMaxDepth = 256;
constexpr std::size_t kMaxWord = 32;
constexpr long long kMaxNumber = 1'000'000'000;

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = char(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// Destinations whose text is never shown.
bool IsSkippedDestination(std::string_view word) {
    static constexpr std::array<std::string_view, 10> kSkipped = {
        "fonttbl",   "stylesheet",        "info",   "pict", "object", "header", "footer",
        "listtable", "listoverridetable", "filetbl"};
    return std::find(kSkipped.begin(), kSkipped.end(), word) != kSkipped.end();
}

struct NamedChar {
    std::string_view word;
    char32_t c;
};
constexpr std::array<NamedChar, 10> kNamedChars = {{{"tab", U'\t'},
                                                    {"line", U'\u2028'},
                                                    {"emdash", U'\u2014'},
                                                    {"endash", U'\u2013'},
                                                    {"lquote", U'\u2018'},
                                                    {"rquote", U'\u2019'},
                                                    {"ldblquote", U'\u201C'},
                                                    {"rdblquote", U'\u201D'},
                                                    {"bullet", U'\u2022'},
                                                    {"emspace", U'\u2003'}}};

} // namespace

std::vector<RtfParagraph> RtfReader::Read(std::string_view rtf) {
    RtfReader reader(rtf);
    reader.Parse();
    reader.Finish();
    return std::move(reader.paragraphs_);
}

void RtfReader::Parse() {
    while (pos_ < in_.size()) {
        const char c = in_[pos_++];
        if (c == '{')
            OpenGroup();
        else if (c == '}')
            CloseGroup();
        else if (c == '\\')
            Control();
        else if (c != '\r' && c != '\n')
            Char(CodePage1251::DecodeByte(static_cast<unsigned char>(c)));
    }
}

void RtfReader::OpenGroup() {
    pendingSkip_ = 0;
    if (stack_.size() < kMaxDepth)
        stack_.push_back(state_);
    else
        ++unstackedGroups_;
}

void RtfReader::CloseGroup() {
    pendingSkip_ = 0;
    if (unstackedGroups_ > 0) {
        --unstackedGroups_;
    } else if (!stack_.empty()) {
        state_ = stack_.back();
        stack_.pop_back();
    }
}

void RtfReader::Control() {
    if (pos_ >= in_.size())
        return;
    const char c = in_[pos_];
    if (IsLetter(c))
        ControlWord();
    else
        ControlSymbol(in_[pos_++]);
}

void RtfReader::ControlWord() {
    const std::size_t start = pos_;
    while (pos_ < in_.size() && IsLetter(in_[pos_]))
        ++pos_;
    const std::string_view word = in_.substr(start, std::min(pos_ - start, kMaxWord + 1));
    const bool negative = pos_ < in_.size() && in_[pos_] == '-';
    if (negative)
        ++pos_;
    std::optional<long long> number;
    while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_])))
        number = std::min(number.value_or(0) * 10 + (in_[pos_++] - '0'), kMaxNumber);
    std::optional<int> parameter;
    if (number)
        parameter = int(negative ? -*number : *number);
    if (pos_ < in_.size() && in_[pos_] == ' ')
        ++pos_;
    Apply(word, parameter);
}

void RtfReader::ControlSymbol(char c) {
    switch (c) {
    case '\\':
    case '{':
    case '}':
        Char(static_cast<unsigned char>(c));
        break;
    case '\'':
        HexEscape();
        break;
    case '*':
        state_.destination = Destination::Skip;
        break;
    case '~':
        Char(U'\u00A0');
        break;
    case '_':
        Char(U'\u2011');
        break;
    case '\r':
    case '\n':
        Apply("par", std::nullopt);
        break;
    default: // optional hyphen and unknown symbols show nothing
        break;
    }
}

// A truncated or malformed escape is dropped, never read past the input.
void RtfReader::HexEscape() {
    if (pos_ + 2 > in_.size()) {
        pos_ = in_.size();
        return;
    }
    const int high = HexValue(in_[pos_]), low = HexValue(in_[pos_ + 1]);
    pos_ += 2;
    if (high >= 0 && low >= 0)
        Char(CodePage1251::DecodeByte(static_cast<unsigned char>(high * 16 + low)));
}

void RtfReader::Apply(std::string_view word, std::optional<int> parameter) {
    if (word == "bin") { // binary data is skipped in any destination
        pos_ = std::min(in_.size(), pos_ + std::max(parameter.value_or(0), 0));
        return;
    }
    if (state_.destination == Destination::Skip)
        return;
    if (IsSkippedDestination(word)) {
        state_.destination = Destination::Skip;
    } else if (word == "colortbl") {
        state_.destination = Destination::Colours;
    } else if (state_.destination == Destination::Colours) {
        ApplyColourTable(word, parameter.value_or(0));
    } else if (state_.destination == Destination::Text && !ApplyFormat(word, parameter)) {
        if (word == "par")
            Paragraph();
        for (const NamedChar& named : kNamedChars)
            if (word == named.word)
                Char(named.c);
    }
}

bool RtfReader::ApplyFormat(std::string_view word, std::optional<int> parameter) {
    RtfFormat& f = state_.format;
    const bool on = parameter.value_or(1) != 0;
    if (word == "b") {
        f.bold = on;
    } else if (word == "i") {
        f.italic = on;
    } else if (word == "ul") {
        f.underline = on;
    } else if (word == "ulnone") {
        f.underline = false;
    } else if (word == "fs") {
        f.halfPoints = parameter && *parameter > 0 ? std::min(*parameter, 3276) : 24;
    } else if (word == "cf") {
        state_.colourIndex = std::max(parameter.value_or(0), 0);
    } else if (word == "plain") {
        f = RtfFormat{};
        state_.colourIndex = 0;
    } else if (word == "uc") {
        state_.unicodeSkip = std::clamp(parameter.value_or(1), 0, 16);
    } else if (word == "u" && parameter) {
        const int code = *parameter < 0 ? *parameter + 65536 : *parameter;
        const bool valid = code > 0 && code < 0x10000 && (code < 0xD800 || code > 0xDFFF);
        Char(valid ? char32_t(code) : U'\uFFFD');
        pendingSkip_ = state_.unicodeSkip;
    } else {
        return false;
    }
    return true;
}

void RtfReader::ApplyColourTable(std::string_view word, int value) {
    const auto level = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
    if (word == "red")
        colour_.red = level;
    else if (word == "green")
        colour_.green = level;
    else if (word == "blue")
        colour_.blue = level;
    else
        return;
    colourSet_ = true;
}

void RtfReader::Char(char32_t c) {
    if (c < 0x20 && c != U'\t') // stray control bytes are no text
        return;
    if (pendingSkip_ > 0) {
        --pendingSkip_;
        return;
    }
    if (state_.destination == Destination::Colours) {
        ColourTableChar(c);
        return;
    }
    if (state_.destination != Destination::Text)
        return;
    RtfFormat format = state_.format;
    const auto index = static_cast<std::size_t>(state_.colourIndex);
    if (index < colours_.size())
        format.colour = colours_[index];
    auto& runs = paragraphs_.back().runs;
    if (runs.empty() || !(runs.back().format == format))
        runs.push_back({{}, format});
    CodePage1251::AppendUtf8(runs.back().text, c);
}

// Entries end with ';'; an entry without colour words is the default colour.
void RtfReader::ColourTableChar(char32_t c) {
    if (c != U';')
        return;
    colours_.push_back(colourSet_ ? std::optional(colour_) : std::nullopt);
    colour_ = {};
    colourSet_ = false;
}

void RtfReader::Paragraph() {
    paragraphs_.emplace_back();
}

// A closing \par ends the last paragraph rather than opening an empty one.
void RtfReader::Finish() {
    if (paragraphs_.size() > 1 && paragraphs_.back().runs.empty())
        paragraphs_.pop_back();
}
