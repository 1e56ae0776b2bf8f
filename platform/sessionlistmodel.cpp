#include "sessionlistmodel.h"

#include "model/session.h"

namespace oltrave {

SessionListModel::SessionListModel(const Session& session, QObject* parent)
    : QAbstractListModel(parent), session_(session), rows_(session.lineCount()) {}

SessionListModel::~SessionListModel() = default;

void SessionListModel::follow(const SessionChange& change) {
    using Kind = SessionChange::Kind;
    const int rows = session_.lineCount();
    if (change.kind == Kind::LinesRemoved && change.firstRow < rows_) {
        if (change.firstRow == 0) {
            beginResetModel();
            rows_ = 0;
            endResetModel();
        } else {
            beginRemoveRows({}, change.firstRow, rows_ - 1);
            rows_ = change.firstRow;
            endRemoveRows();
        }
    }
    if (change.kind == Kind::LinesAppended && rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    }
}

int SessionListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant SessionListModel::data(const QModelIndex& index, int role) const {
    const int row = index.row();
    if (!index.isValid() || row >= rows_ || row >= session_.lineCount())
        return {};
    const SessionLine& line = session_.line(row);
    switch (role) {
    case Qt::DisplayRole: return QString::fromStdString(line.text);
    case Qt::ToolTipRole:
        if (!line.decimalText.empty())
            return QString::fromStdString(line.decimalText);
        break;
    default: break;
    }
    return {};
}

std::uint64_t SessionListModel::rowLook(int row) const {
    if (row < 0 || row >= rows_ || row >= session_.lineCount())
        return 0;
    return session_.line(row).textDigest;
}

} // namespace oltrave
