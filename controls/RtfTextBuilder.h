#pragma once
// Puts the paragraphs the RTF reader found into a text document.

#include "controls/RtfReader.h"

#include <QTextCharFormat>

#include <vector>

class QTextDocument;

class RtfTextBuilder {
public:
    // Replaces the document's text; fonts follow the document's default font.
    static void Fill(QTextDocument& document, const std::vector<RtfParagraph>& paragraphs);
    static QTextCharFormat CharFormat(const RtfFormat& format);
};
