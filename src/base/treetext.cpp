#include "base/treetext.h"
#include "base/apperror.h"

namespace base {

std::vector<TreeNode> ReadTreeText(const QStringList& lines)
{
    std::vector<TreeNode> roots;
    // path[d] is the node of depth d that was read last on the current branch.
    std::vector<TreeNode*> path;
    for (const QString& line : lines) {
        int depth = 0;
        while (depth < line.size() && (line[depth] == u'\t' || line[depth] == u' ')) ++depth;
        const QString text = line.mid(depth);
        if (path.empty()) {
            roots.push_back({text, {}});
            path.assign(1, &roots.back());
            continue;
        }
        const int previous = int(path.size()) - 1;
        if (depth > previous + 1)
            throw AppError(QStringLiteral("Invalid level (%1) for item \"%2\"").arg(depth).arg(text));
        if (depth == 0) {
            roots.push_back({text, {}});
            path.assign(1, &roots.back());
            continue;
        }
        path.resize(depth);
        TreeNode* parent = path.back();
        parent->children.push_back({text, {}});
        path.push_back(&parent->children.back());
    }
    return roots;
}

namespace {
void WriteNode(const TreeNode& node, int depth, QStringList& out)
{
    out.append(QString(depth, u'\t') + node.text);
    for (const TreeNode& child : node.children) WriteNode(child, depth + 1, out);
}
} // namespace

QStringList WriteTreeText(const std::vector<TreeNode>& roots)
{
    QStringList out;
    for (const TreeNode& root : roots) WriteNode(root, 0, out);
    return out;
}

} // namespace base
