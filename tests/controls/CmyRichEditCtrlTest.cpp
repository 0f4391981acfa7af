#include "controls/CmyRichEditCtrl.h"

#include <QFontMetrics>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <fstream>

namespace {

QTextCharFormat Format(QColor colour, bool bold = false) {
    QTextCharFormat f;
    f.setForeground(colour);
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return f;
}

// The character format of the character at position.
QTextCharFormat At(CmyRichEditCtrl& edit, int position) {
    QTextCursor cursor(edit.document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

} // namespace

TEST(CmyRichEditCtrl, InsertionsChainByTheirReturnedLength) {
    CmyRichEditCtrl edit;
    int p = edit.InsertText(QStringLiteral("Заголовок"), Format(Qt::blue, true), 0, -1);
    EXPECT_EQ(p, 9);
    p += edit.InsertText(QStringLiteral("\n\nКОММЕНТАРИЙ: "), Format(Qt::red), p, -1);
    p += edit.InsertText(QStringLiteral("строка 1\r\nстрока 2"), Format(Qt::black), p, -1);
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("Заголовок\n\nКОММЕНТАРИЙ: строка 1\nстрока 2"));
    EXPECT_EQ(p, edit.toPlainText().size());
    EXPECT_EQ(At(edit, 0).fontWeight(), QFont::Bold);
    EXPECT_EQ(At(edit, 11).foreground().color(), QColor(Qt::red));
    EXPECT_EQ(At(edit, 11).fontWeight(), QFont::Normal);
    EXPECT_EQ(At(edit, p - 1).foreground().color(), QColor(Qt::black));
}

TEST(CmyRichEditCtrl, InsertReplacesTheRangeAndClampsIt) {
    CmyRichEditCtrl edit;
    edit.InsertText(QStringLiteral("abcdef"), {}, 0, -1);
    EXPECT_EQ(edit.InsertText(QStringLiteral("XY"), {}, 1, 4), 2);
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("aXYef"));
    edit.InsertText(QStringLiteral("!"), {}, 999, 5);
    edit.InsertText(QStringLiteral("<"), {}, -3, -7);
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("<"));
}

TEST(CmyRichEditCtrl, FormatKeepsWhatItDoesNotSet) {
    CmyRichEditCtrl edit;
    QTextCharFormat italic;
    italic.setFontItalic(true);
    edit.InsertText(QStringLiteral("ab"), italic, 0, -1);
    edit.InsertText(QStringLiteral("c"), Format(Qt::red), 1, 1);
    EXPECT_TRUE(At(edit, 1).fontItalic());
    EXPECT_EQ(At(edit, 1).foreground().color(), QColor(Qt::red));
}

TEST(CmyRichEditCtrl, ClearEmptiesTheText) {
    CmyRichEditCtrl edit;
    edit.InsertText(QStringLiteral("текст\nещё"), {}, 0, -1);
    edit.Clear();
    EXPECT_TRUE(edit.document()->isEmpty());
    EXPECT_EQ(edit.InsertText(QStringLiteral("новый"), {}, 0, -1), 5);
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("новый"));
}

TEST(CmyRichEditCtrl, LoadsAnRtfFileInCodePage1251) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("1.rtf"));
    std::ofstream(path.toStdString(), std::ios::binary)
        << "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 Arial;}}"
           "{\\colortbl;\\red200\\green0\\blue0;}"
           "{\\b\\fs28 \\'cc\\'ee\\'e4\\'e8\\'f4\\'e8\\'ea\\'e0\\'f6\\'e8\\'ff 1}\\par "
           "\\cf1\\i \xc2\xf5\xee\xe4\\i0\\cf0  \\ul 4-20\\ulnone\\par}";
    CmyRichEditCtrl edit;
    ASSERT_TRUE(edit.LoadRtfFile(path));
    QTextDocument& doc = *edit.document();
    ASSERT_EQ(doc.blockCount(), 2);
    EXPECT_EQ(doc.firstBlock().text(), QStringLiteral("Модификация 1"));
    EXPECT_EQ(doc.lastBlock().text(), QStringLiteral("Вход 4-20"));
    EXPECT_EQ(At(edit, 0).fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(At(edit, 0).fontPointSize(), 14.0);
    const int second = doc.lastBlock().position();
    EXPECT_TRUE(At(edit, second).fontItalic());
    EXPECT_EQ(At(edit, second).foreground().color(), QColor(200, 0, 0));
    EXPECT_TRUE(At(edit, second + 5).fontUnderline());
    EXPECT_FALSE(At(edit, second + 5).fontItalic());
}

TEST(CmyRichEditCtrl, MissingFileLeavesTheTextAlone) {
    CmyRichEditCtrl edit;
    edit.InsertText(QStringLiteral("прежний"), {}, 0, -1);
    EXPECT_FALSE(edit.LoadRtfFile(QStringLiteral("/nonexistent/zrk640/7.rtf")));
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("прежний"));
}

// Without Cyrillic glyphs Qt draws empty boxes and says nothing.
TEST(CyrillicFont, FontsInUseHaveCyrillicGlyphs) {
    CmyRichEditCtrl edit;
    QFont bold = edit.document()->defaultFont();
    bold.setBold(true);
    for (const QFont& font : {edit.font(), edit.document()->defaultFont(), bold}) {
        const QFontMetrics metrics(font);
        for (QChar c : QStringLiteral("АЯаяЁё№"))
            EXPECT_TRUE(metrics.inFont(c))
                << font.family().toStdString() << " U+" << int(c.unicode());
    }
}
