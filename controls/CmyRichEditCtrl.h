#pragma once
// The rich-text box of help texts and modification descriptions: builds
// formatted text piece by piece and shows RTF files.

#include <QTextCharFormat>
#include <QTextEdit>

#include <string_view>

class CmyRichEditCtrl : public QTextEdit {
    Q_OBJECT
public:
    explicit CmyRichEditCtrl(QWidget* parent = nullptr);

    void Clear();

    // Replaces the text from start to end (end -1: to the end of the text) by
    // text in the given format (merged over the format found at start) and
    // returns the number of text positions it now takes, so that insertions
    // chain. A "\r\n" line break is one position.
    int InsertText(const QString& text, const QTextCharFormat& format, int start, int end);

    // Shows RTF text (code page 1251 bytes); malformed parts are left out.
    void SetRtf(std::string_view rtf);
    // False when the file cannot be read; the text is then left unchanged.
    bool LoadRtfFile(const QString& path);
};
