#pragma once
#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class HtmlView;
}

// The search panel (section 5 of the main window): a text field, the buttons
// "Начать поиск" and "Остановить поиск" in one place, and the result page
// whose links open the topic's theory, the task or the lab example.
namespace shell {

// The window of the search. It is never shown itself: its panel pnSearch is
// moved into the main window.
class TfmSearch : public QWidget {
    Q_OBJECT
public:
    explicit TfmSearch(QWidget* parent = nullptr);

    QWidget* panel() const { return pnSearch; }

    // Starts a search for Edit1's text (also Enter in Edit1). Pressed while
    // a search runs, the running one is abandoned and a new one starts.
    void btFindClick();
    // Ends the lab part of a running search; the hits found so far are shown.
    void btStopClick();
    // A link of the result page; every link is taken.
    bool HTMLHotSpotClick(const QString& href);

    bool searching() const { return m_running; }
    // The result page of the last search, and the text it looked for.
    const QStringList& resultLines() const { return m_lines; }
    const QString& searchedText() const { return m_searched; }

    QWidget* pnSearch;
    QLabel* lbFind;
    QLineEdit* Edit1;
    QPushButton* btFind;
    QPushButton* btStop;
    ui::HtmlView* HTML;

private:
    void RunSearch();
    void ShowButtons(bool searching);
    void ShowResult();
    void OpenTopic(const QString& topic);
    // "ZAD:" links: the task code, a blank and its exercise number.
    void OpenTask(const QString& link);
    void OpenLabExample(const QString& path);
    void Hourglass(bool on);

    QStringList m_lines;
    QString m_searched;
    bool m_running = false;
    bool m_restart = false;
    bool m_stop = false;
    bool m_hourglass = false;
};

} // namespace shell
