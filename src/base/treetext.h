#pragma once
#include <QString>
#include <QStringList>
#include <vector>

// Indented tree text: one node per line, depth given by leading tabs (or
// spaces) — the format of the contents, the mode list and the user register.
namespace base {

struct TreeNode {
    QString text;
    std::vector<TreeNode> children;
};

// Reads the lines into top-level nodes. A line more than one level deeper than
// the line before raises AppError "Invalid level (<depth>) for item "<text>""
// and nothing is returned. An empty line is a line of depth 0: a top-level
// node with an empty text.
std::vector<TreeNode> ReadTreeText(const QStringList& lines);

// Depth-first, one tab per level.
QStringList WriteTreeText(const std::vector<TreeNode>& roots);

} // namespace base
