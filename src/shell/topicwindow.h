#pragma once
#include "base/coursefiles.h"
#include "shell/courseframe.h"
#include <array>

// The topic page window: the four pages of a topic or a lesson (theory,
// tools, exercises, results), assembled from its page list; and the
// reference window that holds the page view beside an illustration lab.
namespace shell {

class TfmCont;
class TffOwn;
class TfmWork;

class TffSpr : public QWidget {
    Q_OBJECT
public:
    explicit TffSpr(TfmWork* work);
    // Takes the page view and shows itself over the bottom of the lab window.
    void ShowBeside(QWidget* lab);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TfmWork* m_work;
};

class TfmWork : public CourseFrame {
    Q_OBJECT
public:
    explicit TfmWork(TfmCont* contents, QWidget* parent = nullptr);

    void setLessonBuilder(TffOwn* builder) { m_builder = builder; }

    // Loads the page list of the topic (or lesson) and opens the window with
    // the title; false after the message "Раздел находится в стадии
    // разработки" when the list cannot be read, or for a code that would
    // lead outside the course folder.
    bool OpenTopic(const QString& code, const QString& title);
    // The same on page 1..4 (the search, the results table, the command line).
    bool OpenTopicOnPage(const QString& code, const QString& title, int page);
    // Shows page k (1..4).
    void ShowPage(int k);
    // Builds the current page again (the lesson builder opened or closed).
    void RebuildPage();
    int currentPage() const { return m_page; }
    QString topic() const { return m_topic; }
    int pageFontSize() const { return m_fontSize; }

    bool HTMLHotSpotClick(const QString& href);
    // btUp (+1) and btDown (-1).
    void ChangeFontSize(int delta);
    // Prints the page; without a printer, asks for a PDF file to write it to.
    void btPrintClick();
    void PrintToPdf();
    static inline const QString kPdfFilter = QStringLiteral("Документы PDF|*.pdf");
    // The window became active: rebuilds pages 3 and 4 when a verdict was
    // recorded meanwhile, keeping the scroll position.
    void FormActivate();
    // The reference window was closed: the page view comes home.
    void TakeViewBack();

    QLabel* lbTitle;
    std::array<ui::TMyButton*, 4> btPage{};
    ui::TMyButton* btUp;
    ui::TMyButton* btDown;
    ui::TMyButton* btPrint;
    TffSpr* ffSpr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void layOut() override;

private:
    void openReference(const QString& labFile);
    void openLabWithHelp(int lab, const QString& helpPage);

    TfmCont* m_contents;
    TffOwn* m_builder = nullptr;
    QString m_topic;
    base::PageList m_pages;
    int m_page = 0;
    int m_fontSize = 10;
    bool m_picturesLoaded = false;
};

} // namespace shell
