#pragma once
#include "base/coursefiles.h"
#include "base/namevalue.h"
#include "shell/courseframe.h"
#include <QPixmap>
#include <array>

// The contents window: one contents section at a time as a list of topics
// and the teachers' lessons of that section; a click on an entry opens the
// topic page window.
namespace shell {

class TfmWork;
class TffOwn;

class TfmCont : public CourseFrame {
    Q_OBJECT
public:
    // Reads the contents tree and the topic map (a tree that does not read
    // leaves the contents empty after a message).
    explicit TfmCont(QWidget* parent = nullptr);

    void setTopicWindow(TfmWork* work) { m_work = work; }
    void setLessonBuilder(TffOwn* builder) { m_builder = builder; }

    // Builds and shows section n in the list view (the window is opened by
    // the caller).
    void ShowContents(int n);
    // The list of the current section again, keeping its scroll position.
    void RefreshContents();
    int section() const { return m_section; }

    const base::CourseContents& contents() const { return m_contents; }
    const base::NameValueList& topicMap() const { return m_topicMap; }
    // The title of a topic from the topic map (entry without its number
    // word); empty for codes not in the map.
    QString TopicTitleOf(const QString& code) const;
    // The topic the topic page window shows; its entry is bold.
    QString currentTopic() const { return m_currentTopic; }
    void setCurrentTopic(const QString& code) { m_currentTopic = code; }
    // The section's top picture, which the topic page window copies.
    QPixmap topPicture() const;

    // A link of the list: opens the topic or lesson. Always taken.
    bool HTMLHotSpotClick(const QString& href);
    // "Создать новый урок".
    void NewLessonClick();
    // A teacher's links beside a lesson: open it in the lesson builder, or
    // delete it after asking. Pupils have neither.
    void EditLessonClick(const QString& code);
    void DeleteLessonClick(const QString& code);

    std::array<ui::TMyButton*, 10> btSection{};

protected:
    void showEvent(QShowEvent* event) override;

private:
    void loadContents();

    TfmWork* m_work = nullptr;
    TffOwn* m_builder = nullptr;
    base::CourseContents m_contents;
    base::NameValueList m_topicMap;
    QString m_currentTopic;
    int m_section = 0;
    bool m_picturesLoaded = false;
};

} // namespace shell
