#pragma once

#include <QAbstractListModel>

#include "longlistview.h"

namespace oltrave {

class Session;
struct SessionChange;

// The session's result lines as a list of rows: the text shown, the decimal
// line of an exact one as its tip. It follows the session's change notices;
// rows are only ever added at the end or taken away from a row on.
class SessionListModel : public QAbstractListModel, public LongListView::RowLooks {
    Q_OBJECT
public:
    explicit SessionListModel(const Session& session, QObject* parent = nullptr);
    ~SessionListModel() override;

    // To be called with each of the session's change notices.
    void follow(const SessionChange& change);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The tip does not change the size: the text alone names the look.
    std::uint64_t rowLook(int row) const override;

private:
    const Session& session_;
    // The rows announced so far: the session may already hold more or fewer.
    int rows_ = 0;
};

} // namespace oltrave
