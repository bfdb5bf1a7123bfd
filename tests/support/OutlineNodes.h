#pragma once

#include <QAbstractItemModel>
#include <QIcon>

namespace Quillwright {

// The outline's nodes as the tests read them.
inline int childCount(const QModelIndex& node)
{
    return node.model()->rowCount(node);
}
inline QModelIndex childOf(const QModelIndex& node, int row)
{
    return node.model()->index(row, 0, node);
}
inline QString textOf(const QModelIndex& node)
{
    return node.data().toString();
}
inline bool hasPicture(const QModelIndex& node)
{
    return !node.data(Qt::DecorationRole).value<QIcon>().isNull();
}

} // namespace Quillwright
