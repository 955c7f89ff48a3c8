#pragma once
#include <QString>
#include <functional>

// What the contents and topic page windows offer the other windows of the
// shell (the search, the results table). They plug in when they are
// created; an empty call does nothing.
namespace shell {

struct CoursePlugs {
    // Opens the topic (its title taken from the topic map) on page 1..4 of
    // the topic page window. False when the topic has no page list.
    std::function<bool(const QString& topic, int page)> openTopicPage;
    // Marks the first occurrence of text (letter case ignored) in the topic
    // page view and scrolls to it.
    std::function<void(const QString& text)> findInTopicPage;
    // Rebuilds the contents list of section n (a lesson was added to it).
    std::function<void(int section)> showContents;
};

CoursePlugs& coursePlugs();

} // namespace shell
