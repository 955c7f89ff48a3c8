#include "base/random.h"
#include "taskfiles/answerpage.h"
#include <gtest/gtest.h>

using namespace tasks;

namespace {
const QString kBox = QStringLiteral("☐");
const QString kTick = QStringLiteral("☑");
}

TEST(AnswerList, NormalisingCompletenessAndFillingIn)
{
    const QStringList answers = NormalizeAnswers({"  x = 5 ", "y=", "free_", "r=a=b "});
    EXPECT_EQ(answers, (QStringList{"x =5", "y=", "free_=", "r=a=b"}));
    EXPECT_FALSE(AnswersComplete(answers));                          // y is empty
    EXPECT_TRUE(AnswersComplete({"x=5", "free_=", "G1_="}));         // free fields may stay empty

    // An unticked box is not reported by the form: it gets "Ё" on both sides,
    // free fields and nameless controls are left out, radio groups count once.
    QStringList given{"x=5"};
    QStringList expected{"x=5", "c1=ю"};
    FillMissingAnswers(given, expected, {"x", "c1", "c2", "note_", "", "r", "r"});
    EXPECT_EQ(given, (QStringList{"x=5", "c1=Ё", "c2=Ё", "r=Ё"}));
    EXPECT_EQ(expected, (QStringList{"x=5", "c1=ю", "c2=Ё", "r=Ё"}));
}

TEST(AnswerList, FreeAnswersInAnAnswerFile)
{
    EXPECT_TRUE(HasFreeAnswers({"x=5", "why_="}));
    EXPECT_TRUE(HasFreeAnswers({"F1_="}));
    EXPECT_FALSE(HasFreeAnswers({"x=5", "G*=1 2", "", "F1=[x]"}));
}

TEST(AnswerList, TakeFromListUsesEachAcceptableAnswerOnce)
{
    QString list = QStringLiteral(" 2 3 5 ");
    EXPECT_TRUE(TakeFromList("5", list));
    EXPECT_EQ(list, QStringLiteral(" 2 3  "));
    EXPECT_FALSE(TakeFromList("5", list));
    EXPECT_TRUE(TakeFromList("2", list));
    // After a take two blanks stand together: an empty answer must not match them.
    EXPECT_FALSE(TakeFromList("", list));
    EXPECT_FALSE(TakeFromList("3 ", list));
    EXPECT_FALSE(TakeFromList("", list));
    EXPECT_TRUE(TakeFromList("3", list));
    QString pair = QStringLiteral(" 2 3 ");
    EXPECT_FALSE(TakeFromList("2 3", pair)); // one field cannot take two answers
    QString partial = QStringLiteral(" 12 ");
    EXPECT_FALSE(TakeFromList("2", partial));
}

TEST(ReplaceControl, InputsSelectsAndTextAreasByExactName)
{
    QString page = QStringLiteral("a <INPUT NAME=x1 SIZE=3> b <INPUT TYPE=TEXT NAME=x>c");
    // The first "NAME=x" belongs to x1; the search goes on to the field x itself.
    EXPECT_TRUE(ReplaceControl(page, "NAME=x", "[X]"));
    EXPECT_EQ(page, QStringLiteral("a <INPUT NAME=x1 SIZE=3> b [X]c"));
    EXPECT_FALSE(ReplaceControl(page, "NAME=y", "[Y]"));

    QString select = QStringLiteral("<SELECT NAME=s>\r\n<OPTION>1\r\n<OPTION>2\r\n</SELECT> tail");
    EXPECT_TRUE(ReplaceControl(select, "NAME=s", "2"));
    EXPECT_EQ(select, QStringLiteral("2 tail"));

    QString quoted = QStringLiteral("<P><TEXTAREA NAME=\"t\" ROWS=2>old</TEXTAREA></P>");
    EXPECT_TRUE(ReplaceControl(quoted, "NAME=t", "new"));
    EXPECT_EQ(quoted, QStringLiteral("<P>new</P>"));

    // Anchors are no controls.
    QString anchor = QStringLiteral("<A NAME=z>top</A> <INPUT NAME=z>");
    EXPECT_TRUE(ReplaceControl(anchor, "NAME=z", "9"));
    EXPECT_EQ(anchor, QStringLiteral("<A NAME=z>top</A> 9"));

    // A judged value that reads like an attribute is text, not a control.
    QString typed = QStringLiteral("<INPUT NAME=a>NAME=b <P><INPUT NAME=b>");
    EXPECT_TRUE(ReplaceControl(typed, "NAME=b", "B"));
    EXPECT_EQ(typed, QStringLiteral("<INPUT NAME=a>NAME=b <P>B"));
}

TEST(ReplaceControl, AMissingClosingTagNeverEatsTheRestOfThePage)
{
    QString page = QStringLiteral("<SELECT NAME=a><OPTION>1<OPTION>2 text <SELECT NAME=b><OPTION>3</SELECT> end");
    EXPECT_TRUE(ReplaceControl(page, "NAME=a", "A"));
    EXPECT_EQ(page, QStringLiteral("A<OPTION>1<OPTION>2 text <SELECT NAME=b><OPTION>3</SELECT> end"));

    QString unclosed = QStringLiteral("<SELECT NAME=a><OPTION>1</FORM> rest of the page");
    EXPECT_TRUE(ReplaceControl(unclosed, "NAME=a", "A"));
    EXPECT_EQ(unclosed, QStringLiteral("A<OPTION>1</FORM> rest of the page"));

    QString broken = QStringLiteral("text <INPUT NAME=a");
    EXPECT_FALSE(ReplaceControl(broken, "NAME=a", "A"));
    EXPECT_EQ(broken, QStringLiteral("text <INPUT NAME=a"));
}

TEST(JudgeForm, PlainFieldsAndCheckBoxes)
{
    const QString page = QStringLiteral("<FORM><INPUT NAME=x> <INPUT NAME=y> <INPUT TYPE=CHECKBOX NAME=c1 VALUE=ю>"
                                        " <INPUT TYPE=CHECKBOX NAME=c2 VALUE=ю></FORM>");
    QStringList answers = NormalizeAnswers({" x= 5 ", "y=5.0", "c2=ю"});
    QStringList expected{"x=5", "y=5", "c1=ю", "c2=ю"};
    FillMissingAnswers(answers, expected, {"x", "y", "c1", "c2"});
    const FormJudgement judged = JudgeForm(answers, expected, page);
    EXPECT_EQ(judged.verdict, 2);
    EXPECT_EQ(judged.page, QStringLiteral("<FORM>5 <FONT COLOR=RED> 5.0 </FONT> ")
                               + "<FONT FACE=\"Wingdings\" COLOR=RED>" + kBox + "</FONT> "
                               + "<FONT FACE=\"Wingdings\">" + kTick + "</FONT></FORM>");
    EXPECT_TRUE(judged.formulas.isEmpty());

    // All right: verdict 1. Typed text is shown as text, never as markup.
    const FormJudgement right = JudgeForm({"x=<b>"}, {"x=<b>"}, QStringLiteral("<INPUT NAME=x>"));
    EXPECT_EQ(right.verdict, 1);
    EXPECT_EQ(right.page, QStringLiteral("&lt;b&gt;"));
}

TEST(JudgeForm, GroupsTakeEachAcceptableAnswerOnce)
{
    const QString page = QStringLiteral("<INPUT NAME=G1_> <INPUT NAME=G2_> <INPUT NAME=G3_>");
    const FormJudgement right = JudgeForm({"G1_=5", "G2_=2", "G3_=3"}, {"G*=2 3 5"}, page);
    EXPECT_EQ(right.verdict, 1);
    EXPECT_EQ(right.page, QStringLiteral("5 2 3"));

    const FormJudgement twice = JudgeForm({"G1_=5", "G2_=5", "G3_=3"}, {"G*=2 3 5"}, page);
    EXPECT_EQ(twice.verdict, 2);
    EXPECT_EQ(twice.page, QStringLiteral("5 <FONT COLOR=RED> 5 </FONT> 3"));

    const FormJudgement empty = JudgeForm({"G1_=5", "G2_=", "G3_=3"}, {"G*=2 3 5"}, page);
    EXPECT_EQ(empty.verdict, 2);
}

TEST(JudgeForm, FreeAnswersGoToTheTeacherUnlessSomethingIsWrong)
{
    const QString page = QStringLiteral("<INPUT NAME=x> <TEXTAREA NAME=comment_>a</TEXTAREA> <INPUT TYPE=HIDDEN NAME=F1_ VALUE=\"[x]\">");
    const FormJudgement waits = JudgeForm({"x=5", "comment_=потому что", "F1_=[x]"}, {"comment_=", "x=5", "F1_="}, page);
    EXPECT_EQ(waits.verdict, 0);
    // A free formula field keeps its hidden control; a free text is shown in grey.
    EXPECT_EQ(waits.page, QStringLiteral("5 <FONT COLOR=GRAY> потому что </FONT> <INPUT TYPE=HIDDEN NAME=F1_ VALUE=\"[x]\">"));
    EXPECT_TRUE(waits.formulas.isEmpty()); // "F1_" is a free answer, not a formula

    EXPECT_EQ(JudgeForm({"x=4", "comment_=a"}, {"x=5", "comment_="}, page).verdict, 2);
    EXPECT_EQ(JudgeForm({"x=4", "comment_=a"}, {"comment_=", "x=5"}, page).verdict, 2);
}

TEST(JudgeForm, RadioGroupsAndListsShowTheChoiceAsThePupilSawIt)
{
    const QString radios = QStringLiteral("<label><INPUT TYPE=RADIO NAME=r VALUE=1> ни одного</label>"
                                          "<label><INPUT TYPE=RADIO NAME=r VALUE=2> ровно один</label>"
                                          "<label><INPUT TYPE=RADIO NAME=\"r\" VALUE=\"3\"> бесконечно много</label>");
    const FormJudgement right = JudgeForm({"r=3"}, {"r=3"}, radios);
    EXPECT_EQ(right.verdict, 1);
    EXPECT_EQ(right.page, QStringLiteral("<label>○ ни одного</label><label>○ ровно один</label>"
                                         "<label>◉ бесконечно много</label>"));

    const FormJudgement wrong = JudgeForm({"r=1"}, {"r=3"}, radios);
    EXPECT_EQ(wrong.verdict, 2);
    EXPECT_EQ(wrong.page, QStringLiteral("<label><FONT COLOR=RED> ◉ </FONT> ни одного</label><label>○ ровно один</label>"
                                         "<label>○ бесконечно много</label>"));

    // No choice at all: every circle shows the mistake.
    EXPECT_EQ(JudgeForm({"r=Ё"}, {"r=3"}, QStringLiteral("<INPUT TYPE=RADIO NAME=r VALUE=1> a")).page,
              QStringLiteral("<FONT COLOR=RED> ○ </FONT> a"));

    // A list shows the chosen option's text, with or without a VALUE.
    const QString list = QStringLiteral("Уравнение <SELECT NAME=s><OPTION VALUE=\"\">— выберите —</OPTION>"
                                        "<OPTION VALUE=\"нет\">не имеет корней</OPTION>"
                                        "<OPTION>x &lt; 1</OPTION></SELECT>.");
    EXPECT_EQ(JudgeForm({"s=нет"}, {"s=нет"}, list).page, QStringLiteral("Уравнение не имеет корней."));
    EXPECT_EQ(JudgeForm({"s=x < 1"}, {"s=нет"}, list).page, QStringLiteral("Уравнение <FONT COLOR=RED> x &lt; 1 </FONT>."));
    // A free list answer and a free text area's lines, in grey.
    EXPECT_EQ(JudgeForm({"s_=нет"}, {"s_="}, QString(list).replace("NAME=s", "NAME=s_")).page,
              QStringLiteral("Уравнение <FONT COLOR=GRAY> не имеет корней </FONT>."));
    EXPECT_EQ(JudgeForm({"t_=a\r\nb\nc"}, {"t_="}, QStringLiteral("<TEXTAREA NAME=t_></TEXTAREA>")).page,
              QStringLiteral("<FONT COLOR=GRAY> a<BR>b<BR>c </FONT>"));
}

TEST(JudgeForm, FormulasAreJudgedByValueAndKeepTheirControl)
{
    base::SetRandomSeed(7);
    const QString page = QStringLiteral("<INPUT TYPE=HIDDEN NAME=F1 VALUE=\"\"><INPUT TYPE=HIDDEN NAME=F2 VALUE=\"\">");
    const FormJudgement judged = JudgeForm({"F1=[powr[x][-1]]", "F2=[drob[2][x]]"}, {"F1=[drob[1][x]]", "F2=[drob[1][x]]"}, page);
    EXPECT_EQ(judged.verdict, 2);
    EXPECT_EQ(judged.page, page);
    EXPECT_EQ(judged.formulas, (QList<FormulaMark>{{"F1", "[powr[x][-1]]", true}, {"F2", "[drob[2][x]]", false}}));
}

TEST(JudgeForm, AStaleAnswerFileCountsUnknownFieldsAsWrong)
{
    const QString page = QStringLiteral("<INPUT NAME=x>");
    const FormJudgement judged = JudgeForm({"x=5"}, {"x=5", "gone=1", "Fgone=[x]", "", "no equals sign"}, page);
    EXPECT_EQ(judged.verdict, 2);
    EXPECT_EQ(judged.page, QStringLiteral("5"));
    EXPECT_EQ(judged.formulas, (QList<FormulaMark>{{"Fgone", "", false}}));
    // Blank lines alone are no fields.
    EXPECT_EQ(JudgeForm({"x=5"}, {"x=5", ""}, page).verdict, 1);
}

TEST(JudgeArea, EveryCardMustLieOnItsPlace)
{
    EXPECT_EQ(JudgeArea({"A=T1", "B=0"}, {"A=T1", "B=0"}), 1); // "0" may be expected
    EXPECT_EQ(JudgeArea({"A=T1"}, {"a=T1"}), 2);               // found without regard to case, but lines differ
    EXPECT_EQ(JudgeArea({"A=T1", "B=T2"}, {"A=T1", "B=0"}), 2);
    EXPECT_EQ(JudgeArea({"A=t1"}, {"A=T1"}), 2);               // place names compared exactly
    EXPECT_EQ(JudgeArea({"A=T1"}, {"A=T1", "C=T2"}), 2);        // a card the area does not have
    EXPECT_EQ(JudgeArea({"A=T1"}, {"A=T1", ""}), 1);
}
