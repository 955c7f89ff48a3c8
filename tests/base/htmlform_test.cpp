#include "base/htmlform.h"
#include <gtest/gtest.h>

using base::FormField;

namespace {

FormField Field(const QString& name, const QString& type, const QString& value, bool checked = false)
{
    FormField field;
    field.name = name;
    field.type = type;
    field.value = value;
    field.checked = checked;
    return field;
}

FormField List(const QString& name, const QStringList& options, const QList<bool>& selected, bool multiple = false)
{
    FormField field;
    field.name = name;
    field.type = multiple ? QStringLiteral("select-multiple") : QStringLiteral("select-one");
    field.options = options;
    field.selected = selected;
    return field;
}

} // namespace

TEST(HtmlForm, ScanReadsEveryKindOfControlOfTheFirstFormOnly)
{
    const base::PageSummary page = base::ScanPage(QStringLiteral(
        "<HTML><BODY><INPUT NAME=outside VALUE=1>\n"
        "<TITLE>  520/10\n 20/300 </TITLE>\n"
        "<FORM><INPUT TYPE=TEXT NAME=x1 VALUE=\"a &amp; b\"> <input name='plain'>\n"
        "<INPUT TYPE=HIDDEN NAME=F1 VALUE=\"[drob[1][x]]\">\n"
        "<INPUT TYPE=CHECKBOX NAME=c1 VALUE=\"ю\" CHECKED><INPUT TYPE=checkbox NAME=c2>\n"
        "<INPUT TYPE=RADIO NAME=r VALUE=1 CHECKED><INPUT TYPE=RADIO NAME=r VALUE=2 CHECKED>\n"
        "<SELECT NAME=s1><OPTION>один<OPTION VALUE=2 SELECTED>два</SELECT>\n"
        "<SELECT NAME=s2><OPTION>  первый\n вариант </OPTION><OPTION>второй</OPTION></SELECT>\n"
        "<SELECT NAME=m MULTIPLE><OPTION SELECTED>a<OPTION>b<OPTION SELECTED>c</SELECT>\n"
        "<TEXTAREA NAME=t>\nline &lt;1&gt;\nline 2</TEXTAREA>\n"
        "<INPUT TYPE=SUBMIT NAME=go VALUE=Go><INPUT TYPE=strange NAME=odd>\n"
        "<!-- <INPUT NAME=commented> --><SCRIPT>var s = '<INPUT NAME=scripted>';</SCRIPT>\n"
        "</FORM><FORM><INPUT NAME=second></FORM></BODY></HTML>"));

    EXPECT_EQ(page.title, QStringLiteral("520/10 20/300"));
    EXPECT_TRUE(page.hasForm);
    const QList<FormField> expected = {
        Field("x1", "text", "a & b"),
        Field("plain", "text", ""),
        Field("F1", "hidden", "[drob[1][x]]"),
        Field("c1", "checkbox", QStringLiteral("ю"), true),
        Field("c2", "checkbox", "on", false),
        Field("r", "radio", "1", false), // a later checked radio button of the group wins
        Field("r", "radio", "2", true),
        List("s1", {QStringLiteral("один"), "2"}, {false, true}),
        List("s2", {QStringLiteral("первый вариант"), QStringLiteral("второй")}, {true, false}),
        List("m", {"a", "b", "c"}, {true, false, true}, true),
        Field("t", "textarea", "line <1>\nline 2"),
        Field("odd", "text", ""),
    };
    EXPECT_EQ(page.fields, expected);
}

TEST(HtmlForm, ScanOfPagesWithoutFormOrWithBrokenMarkup)
{
    EXPECT_FALSE(base::ScanPage(QStringLiteral("<P>Текст <B>без</B> формы")).hasForm);
    EXPECT_TRUE(base::ScanPage(QString()).fields.isEmpty());

    // An unclosed form runs to the end of the page; an unclosed quote to the end of the text.
    const base::PageSummary open = base::ScanPage(QStringLiteral("<FORM><INPUT NAME=a VALUE=\"1\"><SELECT NAME=s><OPTION>x"));
    ASSERT_EQ(open.fields.size(), 2);
    EXPECT_EQ(open.fields[1], List("s", {"x"}, {true}));
    const base::PageSummary quote = base::ScanPage(QStringLiteral("<FORM><INPUT NAME=a VALUE=\"1>"));
    ASSERT_EQ(quote.fields.size(), 1);
    EXPECT_EQ(quote.fields[0].value, QStringLiteral("1>"));
    EXPECT_TRUE(base::ScanPage(QStringLiteral("<FORM><<<>>< INPUT<")).fields.isEmpty());
}

TEST(HtmlForm, ValuesAreWhatTheFormReports)
{
    const QList<FormField> fields = {
        Field("x", "text", " 5 "),        Field("c1", "checkbox", QStringLiteral("ю"), true),
        Field("c2", "checkbox", "on"),    Field("r", "radio", "1"),
        Field("r", "radio", "2", true),   List("s", {"a", "b"}, {false, true}),
        List("m", {"a", "b", "c"}, {true, false, true}, true), Field("", "text", "nameless"),
    };
    EXPECT_EQ(base::FormValues(fields),
              QStringList({"x= 5 ", QStringLiteral("c1=ю"), "r=2", "s=b", "m=a", "m=c"}));
}

TEST(HtmlForm, ApplyingValuesSetsTextTicksBoxesAndSelectsOptions)
{
    QList<FormField> fields = {
        Field("x", "text", ""),          Field("X2", "text", "old"),     Field("c1", "checkbox", QStringLiteral("ю"), true),
        Field("c2", "checkbox", QStringLiteral("ю")), Field("r", "radio", "1", true), Field("r", "radio", "2"),
        List("s", {"a", "b"}, {true, false}), List("m", {"a", "b", "c"}, {false, false, false}, true),
        Field("t", "textarea", ""),
    };
    const QList<int> changed = base::ApplyFormValues(
        fields, {"X=42", QStringLiteral("c1=Ё"), QStringLiteral("C2=ю"), "r=2", "s=b", "m=a", "m=c", "t=a=b", "unknown=1"});

    EXPECT_EQ(fields[0].value, "42");          // names without regard to letter case
    EXPECT_EQ(fields[1].value, "old");         // not named: untouched
    EXPECT_FALSE(fields[2].checked);           // "Ё" is not the box's value: unticked
    EXPECT_TRUE(fields[3].checked);
    EXPECT_FALSE(fields[4].checked);
    EXPECT_TRUE(fields[5].checked);
    EXPECT_EQ(fields[6].selected, QList<bool>({false, true}));
    EXPECT_EQ(fields[7].selected, QList<bool>({true, false, true}));
    EXPECT_EQ(fields[8].value, "a=b");         // split at the first "="
    EXPECT_EQ(changed, QList<int>({0, 2, 3, 4, 5, 6, 7, 8}));

    // Applying the same values again changes nothing; a value no option has clears the list.
    EXPECT_TRUE(base::ApplyFormValues(fields, {"X=42", "r=2"}).isEmpty());
    base::ApplyFormValues(fields, {"s=zz", "r=9"});
    EXPECT_EQ(fields[6].selected, QList<bool>({false, false}));
    EXPECT_FALSE(fields[4].checked || fields[5].checked);
}

TEST(HtmlForm, OneRadioButtonPerNameAndTextFieldsTakeValuesInTurn)
{
    QList<FormField> fields = {Field("r", "radio", "1"), Field("r", "radio", "1"), Field("g", "text", ""),
                               Field("g", "text", ""), Field("g", "text", "keep")};
    base::ApplyFormValues(fields, {"r=1", "g=first", "g=second"});
    EXPECT_TRUE(fields[0].checked);
    EXPECT_FALSE(fields[1].checked);
    EXPECT_EQ(fields[2].value, "first");
    EXPECT_EQ(fields[3].value, "second");
    EXPECT_EQ(fields[4].value, "keep");
}

TEST(HtmlForm, EntitiesDecodeAndUnknownOnesStay)
{
    EXPECT_EQ(base::DecodeEntities(QStringLiteral("a&lt;b&gt;&amp;&quot;&#1040;&#x0411;&nbsp;")),
              QStringLiteral("a<b>&\"АБ\u00A0"));
    EXPECT_EQ(base::DecodeEntities(QStringLiteral("&unknown; & &#xZZ; &#0; &")), QStringLiteral("&unknown; & &#xZZ; &#0; &"));
}
