#pragma once
#include "shell/lessons.h"
#include <QWidget>
#include <functional>

class QLineEdit;
class QPushButton;
class QTreeWidget;

// The lesson builder: a small window on top where a teacher gathers pages of
// theory, tools and exercises from any topics under the three groups of
// "Regims.txt" and saves them as a lesson of the contents section.
namespace shell {

class TffOwn : public QWidget {
    Q_OBJECT
public:
    explicit TffOwn(QWidget* parent = nullptr);

    // Loads the groups afresh (codes gathered before are dropped), remembers
    // the section and shows the window. False after a message when the
    // groups file cannot be read or has fewer than three groups.
    bool Open(int section);
    // Opens a saved lesson of the section for changing: its title and its
    // pages in their groups; "Сохранить" then writes over it. False after a
    // message when the lesson cannot be read.
    bool Edit(int section, const QString& code, const QString& title);
    // The lesson being changed; empty while a new one is gathered.
    QString lessonCode() const { return m_lessonCode; }
    // Adds a full page code under group page (1..3), shown by its caption
    // (the topic's title; the code when there is none).
    void AddToLesson(int page, const QString& code, const QString& caption = {});
    // The codes gathered so far, per group.
    LessonPages pages() const;
    int section() const { return m_section; }

    void btSaveClick();
    void btCancelClick();
    // The chosen page leaves the lesson / moves one place up or down within
    // its group.
    void btRemoveClick();
    void btUpClick();
    void btDownClick();

    // Runs after a lesson was saved, with its section (the contents window
    // shows it again); and when the window is shown or hidden (the topic
    // pages show or drop their "Добавить в урок" links).
    std::function<void(int section)> onSaved;
    std::function<void()> onVisibilityChanged;
    // The caption of a page of a saved lesson by its full code (its topic's
    // title); null or empty shows the code.
    std::function<QString(const QString& fullCode)> captionOf;

    QLineEdit* Edit1;
    QTreeWidget* TreeView1;
    QPushButton* btSave;
    QPushButton* btCancel;
    QPushButton* btRemove;
    QPushButton* btUp;
    QPushButton* btDown;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void moveChosen(int step);

    int m_section = 0;
    QString m_lessonCode;
    bool m_placed = false;
};

} // namespace shell
