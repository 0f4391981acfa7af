#include "controls/CmyRichEditCtrl.h"

#include "controls/RtfReader.h"
#include "controls/RtfTextBuilder.h"

#include <QFile>
#include <QTextCursor>

#include <algorithm>

CmyRichEditCtrl::CmyRichEditCtrl(QWidget* parent) : QTextEdit(parent) {
    // Text is only ever put here by the program; there is nothing to undo.
    setUndoRedoEnabled(false);
    // A narrow box must not break a word in two.
    setWordWrapMode(QTextOption::WordWrap);
    QFont base = font();
    base.setFamilies({QStringLiteral("MS Shell Dlg"), QStringLiteral("DejaVu Sans")});
    document()->setDefaultFont(base);
}

void CmyRichEditCtrl::Clear() {
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

int CmyRichEditCtrl::InsertText(const QString& text, const QTextCharFormat& format, int start,
                                int end) {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    const int last = cursor.position();
    const int from = std::clamp(start, 0, last);
    const int to = end < 0 ? last : std::clamp(end, from, last);
    cursor.setPosition(from);
    QTextCharFormat merged = cursor.charFormat();
    merged.merge(format);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    cursor.insertText(plain, merged);
    return cursor.position() - from;
}

void CmyRichEditCtrl::SetRtf(std::string_view rtf) {
    RtfTextBuilder::Fill(*document(), RtfReader::Read(rtf));
}

bool CmyRichEditCtrl::LoadRtfFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    SetRtf(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    return true;
}
