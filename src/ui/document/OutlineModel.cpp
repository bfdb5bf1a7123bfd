#include "ui/document/OutlineModel.h"

#include "ui/platform/Icons.h"

#include <array>

namespace Quillwright {

namespace {

struct Fixed {
    const char* key;
    const char* text;
    int parent; // a place in fixedNodes, or -1 at the top
    int picture;
};
constexpr std::array<Fixed, 10> fixedNodes = {{
    {"mod", "Mod", -1, ActionOutline::PictureRoot},
    {"header", "Mod Header", 0, ActionOutline::PictureHeader},
    {"title", "Mod Title", 1, ActionOutline::PictureField},
    {"version", "Mod Version", 1, ActionOutline::PictureField},
    {"author", "Mod Author", 1, ActionOutline::PictureField},
    {"description", "Mod Description", 1, ActionOutline::PictureField},
    {"level", "Installation level", 1, ActionOutline::PictureField},
    {"time", "Installation time", 1, ActionOutline::PictureField},
    {"editfiles", "Files to edit", 1, ActionOutline::PictureField},
    {"actions", "Actions", 0, ActionOutline::PictureActions},
}};
constexpr int ActionsNode = 9;
// An index's internal id: a fixed node's place plus one, or this for an action.
constexpr quintptr ActionId = 0;

int fixedOf(const QModelIndex& index)
{
    return index.isValid() && index.internalId() != ActionId ? int(index.internalId()) - 1 : -1;
}

} // namespace

OutlineModel::OutlineModel(QObject* parent) : QAbstractItemModel(parent)
{
    m_children.resize(fixedNodes.size() + 1); // the last: the top
    for (int i = 0; i < int(fixedNodes.size()); ++i) {
        const int p = fixedNodes[size_t(i)].parent;
        m_children[p < 0 ? fixedNodes.size() : size_t(p)].push_back(i);
    }
}

QModelIndex OutlineModel::node(const QString& key) const
{
    for (int i = 0; i < int(fixedNodes.size()); ++i) {
        if (key != QLatin1String(fixedNodes[size_t(i)].key))
            continue;
        const int p = fixedNodes[size_t(i)].parent;
        const std::vector<int>& siblings = m_children[p < 0 ? fixedNodes.size() : size_t(p)];
        const int row = int(std::find(siblings.begin(), siblings.end(), i) - siblings.begin());
        return createIndex(row, 0, quintptr(i + 1));
    }
    return {};
}

bool OutlineModel::isAction(const QModelIndex& index) const
{
    return index.isValid() && index.model() == this && index.internalId() == ActionId;
}

void OutlineModel::setActions(const ActionOutline::Nodes& nodes,
                              std::vector<ActionOutline::NodeChange> changes)
{
    const QModelIndex actions = node(QStringLiteral("actions"));
    const int count = nodes.size();
    bool fits = true;
    int rows = m_actions.size();
    for (const ActionOutline::NodeChange& c : changes) {
        fits = fits && c.line >= 0 && c.removed >= 0 && c.added >= 0 &&
               c.line + c.removed <= rows && c.line + c.added <= count;
        rows += c.added - c.removed;
    }
    if (!fits || rows != count) // not the nodes the changes were made to
        changes = {{0, m_actions.size(), count}};
    for (const ActionOutline::NodeChange& c : changes) {
        // Below the rows the view has, it need not hear, and the nodes come
        // with the rest at the end.
        if (c.line >= m_shown)
            continue;
        std::vector<ActionOutline::Node> added;
        added.reserve(size_t(c.added));
        for (int i = c.line; i < c.line + c.added; ++i)
            added.push_back(nodes[i]);
        if (c.line == 0 && c.removed == m_actions.size())
            m_wanted = FirstActions; // a script of its own: the view starts again
        const int removedRows = std::min(c.removed, m_shown - c.line);
        if (removedRows > 0)
            beginRemoveRows(actions, c.line, c.line + removedRows - 1);
        m_actions.replace(c.line, c.removed, {});
        m_shown -= removedRows;
        if (removedRows > 0)
            endRemoveRows();
        // Among rows the view has, new ones are given to it; after the last
        // of them, no more than it wants.
        const int addedRows =
            c.line < m_shown ? c.added : std::clamp(m_wanted - c.line, 0, c.added);
        if (addedRows > 0)
            beginInsertRows(actions, c.line, c.line + addedRows - 1);
        m_actions.replace(c.line, 0, std::move(added));
        m_shown += addedRows;
        if (addedRows > 0)
            endInsertRows();
    }
    // The model's nodes are the core's now: it shares their chunks, where a
    // list of its own would hold every node again.
    m_actions = nodes;
    m_wanted = std::max(m_wanted, m_shown);
    showWanted();
}

void OutlineModel::showMoreActions()
{
    m_wanted = std::max(m_wanted, m_shown + std::max(m_shown, int(FirstActions)));
    showWanted();
}

void OutlineModel::showWanted()
{
    const int rows = std::min(m_wanted, m_actions.size());
    if (rows <= m_shown)
        return;
    beginInsertRows(node(QStringLiteral("actions")), m_shown, rows - 1);
    m_shown = rows;
    endInsertRows();
}

QModelIndex OutlineModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0)
        return {};
    // Asked once for each action every time the view lays out its rows.
    if (parent.internalId() == quintptr(ActionsNode + 1) && parent.model() == this)
        return row < m_shown ? createIndex(row, 0, ActionId) : QModelIndex();
    if (isAction(parent))
        return {};
    const int p = fixedOf(parent);
    const std::vector<int>& children = m_children[p < 0 ? fixedNodes.size() : size_t(p)];
    return row < int(children.size()) ? createIndex(row, 0, quintptr(children[size_t(row)] + 1))
                                      : QModelIndex();
}

QModelIndex OutlineModel::parent(const QModelIndex& child) const
{
    if (isAction(child))
        return createIndex(int(m_children[0].size()) - 1, 0, quintptr(ActionsNode + 1));
    const int f = fixedOf(child);
    if (f < 0 || fixedNodes[size_t(f)].parent < 0)
        return {};
    return node(QLatin1String(fixedNodes[size_t(fixedNodes[size_t(f)].parent)].key));
}

int OutlineModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0 || isAction(parent))
        return 0;
    const int p = fixedOf(parent);
    if (p == ActionsNode)
        return m_shown;
    return int(m_children[p < 0 ? fixedNodes.size() : size_t(p)].size());
}

int OutlineModel::columnCount(const QModelIndex&) const
{
    return 1;
}

bool OutlineModel::hasChildren(const QModelIndex& parent) const
{
    return rowCount(parent) > 0;
}

QVariant OutlineModel::data(const QModelIndex& index, int role) const
{
    if (isAction(index)) {
        const ActionOutline::Node& n = m_actions[index.row()];
        if (role == Qt::DisplayRole)
            return n.text;
        if (role == Qt::DecorationRole && n.picture > 0)
            return Icons::outlinePicture(n.picture);
        if (role == Qt::AccessibleTextRole && m_describe) {
            const QString described = m_describe(index.row(), n.text.trimmed());
            return described.isEmpty() ? QVariant() : QVariant(described);
        }
        return {};
    }
    const int f = fixedOf(index);
    if (f < 0)
        return {};
    const Fixed& n = fixedNodes[size_t(f)];
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromLatin1(n.text);
    case Qt::DecorationRole:
        return Icons::outlinePicture(n.picture);
    case Qt::UserRole:
        return QString::fromLatin1(n.key);
    default:
        return {};
    }
}

Qt::ItemFlags OutlineModel::flags(const QModelIndex& index) const
{
    // Said of the actions, the view need not ask each of them for children
    // every time it lays out their hundred thousand rows; it asks this twice
    // a row then, so the answer is given without further calls.
    if (!index.isValid() || index.model() != this)
        return {};
    const Qt::ItemFlags usable = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return index.internalId() == ActionId ? usable | Qt::ItemNeverHasChildren : usable;
}

} // namespace Quillwright
