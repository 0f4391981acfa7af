#include "controls/RtfTextBuilder.h"

#include <QTextCursor>
#include <QTextDocument>

void RtfTextBuilder::Fill(QTextDocument& document, const std::vector<RtfParagraph>& paragraphs) {
    document.clear();
    QTextCursor cursor(&document);
    bool first = true;
    for (const RtfParagraph& paragraph : paragraphs) {
        if (!first)
            cursor.insertBlock();
        first = false;
        for (const RtfRun& run : paragraph.runs)
            cursor.insertText(QString::fromStdString(run.text), CharFormat(run.format));
    }
}

QTextCharFormat RtfTextBuilder::CharFormat(const RtfFormat& format) {
    QTextCharFormat f;
    f.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(format.italic);
    f.setFontUnderline(format.underline);
    f.setFontPointSize(format.halfPoints / 2.0);
    if (format.colour)
        f.setForeground(QColor(format.colour->red, format.colour->green, format.colour->blue));
    return f;
}
