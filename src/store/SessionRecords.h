#pragma once

namespace lw {

class Connection;

// What the record layer does for itself while a database opens and closes.
class SessionRecords {
public:
    virtual ~SessionRecords() = default;

    // Opens the group, account and options queries on the new connection.
    virtual void OpenQueries(Connection& db) = 0;
    // Stores edits in progress (the options row, the current account) before
    // the connection closes.
    virtual void SavePendingEdits() = 0;
    // Closes every query before the connection goes.
    virtual void CloseQueries() = 0;
};

} // namespace lw
