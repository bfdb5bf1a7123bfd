#pragma once

#include "core/outline/ActionOutline.h"

#include <QAbstractItemModel>
#include <functional>
#include <vector>

namespace Quillwright {

// What the outline beside a script (Actionlist) shows: the fixed nodes of
// the header, and under "Actions" one node per action banner. Kept as a
// model of its own rather than as tree widget items because a big script has
// a hundred thousand actions, and a paste or a cut must cost the nodes of the
// lines it touched, not a list that closes up item by item and a view that
// asks every item again.
//
// The view lays out every row of an open node again whenever a row under it
// comes or goes, so the model gives it the first actions only (more than any
// hand-written script has) and more as the user scrolls towards the end of
// them; an edit below the rows given costs the view nothing.
class OutlineModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit OutlineModel(QObject* parent = nullptr);

    // A fixed node by its key ("mod", "header", "title", ..., "actions"), or
    // an invalid index for any other key.
    QModelIndex node(const QString& key) const;
    // Whether `index` is an action node; its row is the action's place.
    bool isAction(const QModelIndex& index) const;
    // The action nodes become `nodes`; `changes` say which stretches differ
    // from the nodes shown (in order, each in the numbering the ones before
    // it left). Changes that do not lead to `nodes` make all of them anew.
    void setActions(const ActionOutline::Nodes& nodes,
                    std::vector<ActionOutline::NodeChange> changes);
    // Whether actions remain that the view has not been given yet.
    bool hasMoreActions() const { return m_shown < m_actions.size(); }
    // Gives the view as many actions again as it has (at least FirstActions).
    void showMoreActions();
    static constexpr int FirstActions = 2000;
    // What an action node is called for assistive technology, worked out
    // when asked (the node's keyword alone says little: "FIND").
    using Describer = std::function<QString(int row, const QString& keyword)>;
    void setActionDescriber(Describer describer) { m_describe = std::move(describer); }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void showWanted();

    // A copy of the nodes, changed a stretch at a time between the notices of
    // each change, so that whoever asks between them (a proxy, an accessibility
    // client) reads the rows the notices describe.
    ActionOutline::Nodes m_actions;
    int m_shown = 0;                          // the rows under Actions: the first of m_actions
    int m_wanted = FirstActions;              // the rows given once the view has scrolled for them
    std::vector<std::vector<int>> m_children; // the fixed nodes under each fixed node
    Describer m_describe;
};

} // namespace Quillwright
