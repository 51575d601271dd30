#include "exchange/core/clsInternetImport.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// "R1<br>R2<br>...<br>Rn"
QString numberedRecords(int n, const QString& head = QString())
{
    QStringList r;
    for (int i = 1; i <= n; ++i)
        r << QStringLiteral("R%1").arg(i);
    return head + r.join(QStringLiteral("<br>"));
}

struct Field {
    int record;
    int field;
    QString value;
};

TEST(clsInternetImport, ReadsCountAndRecordsOfTheAnswer)
{
    const QString alien =
        QStringLiteral("Alien#Horror#SciFi##USA 1979#16#117#Ridley Scott#Sigourney Weaver#Tom Skerritt");
    const struct {
        const char* name;
        QString answer;
        int count;
        std::vector<Field> fields;
    } cases[] = {
        {"tag before record 1 stays in it",
         QStringLiteral("<COUNT=2>") + alien + QStringLiteral("<br>Heat#Crime"),
         2,
         {{1, 1, "<COUNT=2>Alien"},
          {1, 2, "Horror"},
          {1, 4, ""},
          {1, 5, "USA 1979"},
          {1, 6, "16"},
          {1, 7, "117"},
          {1, 8, "Ridley Scott"},
          {1, 10, "Tom Skerritt"},
          {1, 11, ""},
          {1, 13, ""},
          {2, 1, "Heat"},
          {2, 2, "Crime"},
          {2, 3, ""},
          {3, 1, ""}}},
        {"tags in lower and upper case", QStringLiteral("<count=2>A#x<BR>B#y<Br>C"), 2,
         {{1, 1, "<count=2>A"}, {2, 1, "B"}, {2, 2, "y"}, {3, 1, ""}}},
        {"tag at the end", QStringLiteral("A<br>B<COUNT=2>"), 2, {{1, 1, "A"}, {2, 1, "B<COUNT=2>"}}},
        {"no tag keeps 30 records", numberedRecords(40), -1,
         {{1, 1, "R1"}, {30, 1, "R30"}, {31, 1, ""}}},
        {"count that is no number keeps 30 records", QStringLiteral("<COUNT=abc>A<br>B"), -1,
         {{1, 1, "<COUNT=abc>A"}, {2, 1, "B"}}},
        {"empty count", QStringLiteral("<COUNT=>A"), -1, {{1, 1, "<COUNT=>A"}}},
        {"count 0 stores nothing", QStringLiteral("<COUNT=0>A<br>B"), 0, {{1, 1, ""}, {2, 1, ""}}},
        {"negative count stores nothing", QStringLiteral("<COUNT=-3>A<br>B"), -3, {{1, 1, ""}}},
        {"tag without > after it", QStringLiteral("A<br>B<COUNT=2"), -1, {{1, 1, ""}, {2, 1, ""}}},
        {"> only in a later separator", QStringLiteral("<COUNT=2 A<br>B"), -1, {{1, 1, "<COUNT=2 A"}, {2, 1, "B"}}},
        {"count beyond 32 bits", QStringLiteral("<COUNT=99999999999>A"), -1, {{1, 1, ""}}},
        {"more records than the store holds", numberedRecords(40, QStringLiteral("<COUNT=40000>")), -1,
         {{2, 1, "R2"}, {40, 1, "R40"}, {30000, 1, ""}, {30001, 1, ""}}},
        {"count above the records", QStringLiteral("<COUNT=5>A<br>B"), 5, {{2, 1, "B"}, {5, 1, ""}, {6, 1, ""}}},
        {"fraction rounds half to even", QStringLiteral("<COUNT= 2.5 >A<br>B<br>C"), 2, {{2, 1, "B"}, {3, 1, ""}}},
        {"fields out of range", QStringLiteral("<COUNT=1>A#B"), 1,
         {{1, 0, ""}, {1, -1, ""}, {0, 1, ""}, {-1, 1, ""}, {1, 2, "B"}, {1, 3, ""}}},
        {"line breaks become blanks", QStringLiteral("<COUNT=1>\r\nAli\ren#Hor\nror\r\n<br>x"), 1,
         {{1, 1, "<COUNT=1>  Ali en"}, {1, 2, "Hor ror  "}}},
        {"every control character becomes a blank",
         QStringLiteral("<COUNT=1>A\tb") + QChar(0) + QStringLiteral("c\x1b[d#e\x7F") + QChar(0x85) + QChar(0x9F) +
             QStringLiteral("\u00E9"),
         1, {{1, 1, "<COUNT=1>A b c [d"}, {1, 2, "e   \u00E9"}}},
    };
    for (const auto& c : cases) {
        clsInternetImport parser;
        parser.SplitToLines(c.answer);
        EXPECT_EQ(parser.GetCount(), c.count) << c.name;
        for (const Field& f : c.fields)
            EXPECT_EQ(parser.GetMovie(f.record, f.field), f.value)
                << c.name << ": record " << f.record << ", field " << f.field;
    }
}

TEST(clsInternetImport, EachAnswerReplacesTheLastOne)
{
    clsInternetImport parser;
    parser.SplitToLines(QStringLiteral("<COUNT=2>A<br>B"));
    parser.SplitToLines(QStringLiteral("<COUNT=1>C<br>D"));
    EXPECT_EQ(parser.GetCount(), 1);
    EXPECT_EQ(parser.GetMovie(1, 1), "<COUNT=1>C");
    EXPECT_EQ(parser.GetMovie(2, 1), "");

    parser.SplitToLines(QStringLiteral("A<br>B<COUNT=2 broken"));
    EXPECT_EQ(parser.GetCount(), -1);
    EXPECT_EQ(parser.GetMovie(1, 1), "");

    parser.SplitToLines(QStringLiteral("<COUNT=1>E"));
    parser.Clear();
    EXPECT_EQ(parser.GetCount(), 0);
    EXPECT_EQ(parser.GetMovie(1, 1), "");
}

TEST(clsInternetImport, NoFieldCarriesASeparatorOrLineBreak)
{
    clsInternetImport parser;
    parser.SplitToLines(QStringLiteral("<COUNT=2>a##b\r\n#c\n\n#<br>##\r#\n"));
    for (int r = 1; r <= 2; ++r)
        for (int f = 0; f <= 14; ++f) {
            const QString v = parser.GetMovie(r, f);
            EXPECT_FALSE(v.contains(u'#') || v.contains(u'\r') || v.contains(u'\n')) << r << "/" << f;
        }
}

} // namespace
