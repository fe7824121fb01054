// The tooltips of long names: broken into lines that fit, markup shown as it is.
#include "main/ToolTipText.h"

#include "RowNames.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

using rownames::PrintTo;

struct TipRow {
    const char* label;
    QString text;
    int width;
    int lines; // at least
};

class ToolTipTable : public ::testing::TestWithParam<TipRow> {};

// The lines fit the width, together hold the whole text, and a short text stays on one line.
TEST_P(ToolTipTable, BreaksTheTextIntoLinesThatFit) {
    const TipRow& row = GetParam();
    const QFont font = QApplication::font();
    const QStringList lines = ToolTipLines(row.text, font, row.width);
    EXPECT_EQ(lines.join(QString()), row.text);
    EXPECT_GE(lines.size(), row.lines);
    const QFontMetrics metrics(font);
    for (const QString& line : lines)
        EXPECT_LE(metrics.horizontalAdvance(line.trimmed()), row.width) << line.toStdString();
    for (const QString& line : lines)
        EXPECT_FALSE(line.endsWith(QChar::fromUcs2(0xD83D))) << "a character was split";
}

INSTANTIATE_TEST_SUITE_P(
    Names, ToolTipTable,
    ::testing::Values(TipRow{"Short", QStringLiteral("a.txt"), 800, 1},
                      TipRow{"LongWithoutSpaces", QString(600, QLatin1Char('d')) + QStringLiteral(".jpg"),
                             300, 3},
                      TipRow{"LongWithSpaces", QStringLiteral("the holiday photo ").repeated(40), 400, 3},
                      TipRow{"Emoji", QString::fromUtf8("\xF0\x9F\x98\x80").repeated(300), 200, 3}),
    rownames::RowLabel());

TEST(WrappedToolTip, ShowsMarkupAsItIs) {
    const QString tip = WrappedToolTip(QStringLiteral("<b>a</b>  b.txt"), QApplication::font(), 800);
    EXPECT_TRUE(tip.contains(QStringLiteral("&lt;b&gt;a&lt;/b&gt;  b.txt")));
    EXPECT_TRUE(Qt::mightBeRichText(tip));
}

} // namespace
