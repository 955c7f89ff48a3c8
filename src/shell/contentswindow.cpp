#include "shell/contentswindow.h"
#include "base/apperror.h"
#include "base/appstate.h"
#include "base/textfile.h"
#include "shell/coursepages.h"
#include "shell/courselayout.h"
#include "shell/lessonbuilder.h"
#include "shell/lessons.h"
#include "shell/topicwindow.h"
#include "ui/dialogs.h"
#include "ui/htmlview.h"
#include "ui/imagebuttons.h"
#include "ui/pictureset.h"
#include <QLabel>
#include <QShowEvent>

namespace shell {
namespace L = courselayout;

namespace {

const char* const kSectionHints[L::kSectionButtons] = {
    "Натуральные числа", "Дроби и проценты", "Наглядная геометрия", "Выражения и уравнения", "Функции и графики",
    "Неравенства и системы", "Планиметрия", "Тригонометрия", "Стереометрия", "Вероятность и статистика",
};

QString TopPictureFile(int n) { return QStringLiteral("JPG\\Cont%1.JPG").arg(n); }

} // namespace

TfmCont::TfmCont(QWidget* parent) : CourseFrame(QStringLiteral("fmCont"), parent)
{
    setWindowTitle(ui::kAppCaption + QStringLiteral(" — Содержание"));
    HTML->SetDefaultFont(QStringLiteral("Arial Narrow"), 12);
    HTML->SetLinkColors(QColor(0, 0, 128), QColor(255, 0, 0));
    HTML->SetLinkHandler([this](const QString& href) { return HTMLHotSpotClick(href); });
    HTML->SetSubmitHandler([this](const QString&) { NewLessonClick(); });
    for (int i = 0; i < L::kSectionButtons; ++i) {
        ui::TMyButton* button = leftButton(QStringLiteral("btSection%1").arg(L::kSectionNumbers[i]),
                                           L::SectionButton(i), QString::fromUtf8(kSectionHints[i]));
        const int n = L::kSectionNumbers[i];
        button->setProperty("tag", n);
        connect(button, &ui::TMyButton::clicked, this, [this, n] { ShowContents(n); });
        btSection[i] = button;
    }
    loadContents();
    layOut();
}

void TfmCont::loadContents()
{
    try {
        m_contents = base::LoadCourseContents();
    } catch (const base::AppError& error) {
        m_contents = {};
        ui::ShowMessage(error.message());
    }
    m_topicMap = m_contents.TopicMap();
}

QString TfmCont::TopicTitleOf(const QString& code) const
{
    const int index = m_topicMap.indexOfName(code);
    return index < 0 ? QString() : base::TopicTitle(m_topicMap.value(index));
}

QPixmap TfmCont::topPicture() const { return imTop->pixmap(); }

void TfmCont::showEvent(QShowEvent* event)
{
    CourseFrame::showEvent(event);
    if (m_picturesLoaded) return;
    m_picturesLoaded = true;
    loadLeftPictures(QStringLiteral("Cont.JPG"), QStringLiteral("ContOn.JPG"), QStringLiteral("ContOff.JPG"));
}

void TfmCont::ShowContents(int n)
{
    m_section = n;
    ui::PictureSet top;
    top.bitmap(imTop, TopPictureFile(n));
    top.reportMissing();

    const base::ContentsSection* section = m_contents.Section(n);
    const QString lessonsFile = base::LessonsFile(n);
    const std::optional<QStringList> lessons = base::TryReadLines(lessonsFile);
    if (!lessons) ui::ShowMessage(QStringLiteral("Не удается открыть файл ") + lessonsFile);
    const QStringList page = BuildContentsPage(section ? *section : base::ContentsSection{}, lessons.value_or(QStringList{}),
                                               m_currentTopic, base::App().isTeacher);
    HTML->Clear();
    HTML->LoadLines(page, QStringLiteral("ZADS\\"));
    for (ui::TMyButton* button : btSection) button->setEnabled(button->property("tag").toInt() != n);
}

void TfmCont::RefreshContents()
{
    const int scroll = HTML->ScrollPos();
    ShowContents(m_section);
    HTML->SetScrollPos(scroll);
}

bool TfmCont::HTMLHotSpotClick(const QString& href)
{
    if (const std::optional<LessonAction> action = ParseLessonAction(href)) {
        if (action->kind == LessonAction::Kind::Edit) EditLessonClick(action->code);
        else DeleteLessonClick(action->code);
        return true;
    }
    const ContentsLink link = ParseContentsLink(href);
    if (!m_work) return true;
    if (!base::IsSafeTopicCode(link.code)) {
        ui::ShowMessage(QStringLiteral("Неверная ссылка: ") + href);
        return true;
    }
    m_work->OpenTopic(link.code, link.title);
    return true;
}

void TfmCont::NewLessonClick()
{
    if (m_builder && base::App().isTeacher) m_builder->Open(m_section);
}

namespace {
// The title of a lesson of section n as its list gives it; empty when unlisted.
QString ListedLessonTitle(int section, const QString& code)
{
    const std::optional<QStringList> lines = base::TryReadLines(base::LessonsFile(section));
    return lines ? LessonTitle(*lines, code) : QString();
}
} // namespace

void TfmCont::EditLessonClick(const QString& code)
{
    if (!m_builder || !base::App().isTeacher) return;
    m_builder->Edit(m_section, code, ListedLessonTitle(m_section, code));
}

void TfmCont::DeleteLessonClick(const QString& code)
{
    if (!base::App().isTeacher) return;
    const QString title = ListedLessonTitle(m_section, code);
    const QString question = QStringLiteral("Удалить урок «%1»? Его нельзя будет вернуть.").arg(title.isEmpty() ? code : title);
    if (ui::dialogs().question(question, ui::kAppCaption, ui::Choice::YesNo, ui::Answer::No) != ui::Answer::Yes) return;
    // The builder must not write the deleted lesson back.
    if (m_builder && m_builder->lessonCode().compare(code, Qt::CaseInsensitive) == 0) m_builder->btCancelClick();
    const QString failed = DeleteLesson(base::App().sharedChanges, m_section, code);
    if (!failed.isEmpty()) ui::ShowMessage(failed);
    RefreshContents();
}

} // namespace shell
