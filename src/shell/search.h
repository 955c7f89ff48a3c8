#pragma once
#include "base/namevalue.h"
#include "users/resultstable.h"
#include <QString>
#include <QStringList>
#include <functional>

// The search over the course material: the theory pages and the exercise
// pages of every topic of the topic map and the example lists of the labs.
// The result is one HTML page in three sections (theory, tasks, labs) whose
// links the search panel handles ("SPR:", "ZAD:", "LAB:").
namespace shell {

enum class SearchMode { Theory, Tasks, Labs };

// The result page's fixed lines.
inline const QString kSearchHead =
    QStringLiteral("<HTML><LINK REL=\"stylesheet\" HREF=\"..\\..\\CSS\\work.css\"><BODY>");
inline const QString kSearchTheoryHeading = QStringLiteral("<H1>Теория</H1>");
inline const QString kSearchTasksHeading = QStringLiteral("<H1>Задачи</H1>");
inline const QString kSearchLabsHeading = QStringLiteral("<H1>Лаборатории</H1>");
inline const QString kSearchNothingFound = QStringLiteral("Информация отсутствует");
// Where the example lists of the labs lie, at any depth.
inline const QString kLabsFolder = QStringLiteral("LABS\\");
inline const QString kExamplesMask = QStringLiteral("EXAMPLES.TXT");

// Capitals of both texts compared, Russian letters too; an empty text
// matches nothing.
bool TextMatches(const QString& haystack, const QString& text);

// One search run. Files are program paths. A topic without its page list or
// a page or example list that cannot be read raises base::AppError (the lines
// found until then stay in lines()).
class TextSearch {
public:
    TextSearch(const QString& text, base::NameValueList topicMap);

    // Called after every topic and every example list, so the window can
    // process pending messages.
    std::function<void()> pendingMessages;
    // Looked at by the lab part before every example list and subfolder.
    std::function<bool()> stopRequested;

    // The whole search; returns the result page.
    const QStringList& Run();

    // Adds the hits of one file: theory and tasks look at the whole page,
    // labs at every line of an example list. True when it held the text.
    bool SearchFile(const QString& file, SearchMode mode);
    // Adds the hit of one task page (full code) when it holds the text,
    // named by its topic and the number its exercises page gives it.
    bool SearchTask(const QString& fullCode, const users::ExerciseNumber& number);
    // Every file matching mask in folder (with its trailing "\"), then every
    // subfolder at any depth, as long as no stop was requested.
    void SearchFolder(const QString& folder, const QString& mask, SearchMode mode);

    const QStringList& lines() const { return m_lines; }
    int taskHits() const { return m_taskHits; }

private:
    void SearchTopics(SearchMode mode);
    void Section(const QString& heading, const std::function<void()>& body);
    void Pending() const;
    bool Stopped() const;

    QString m_text;
    base::NameValueList m_topicMap;
    QStringList m_lines;
    int m_taskHits = 0;
};

} // namespace shell
