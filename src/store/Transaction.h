#pragma once

namespace lw {

class Connection;

// One transaction on a connection: begun when constructed, written by
// commit(), and rolled back when the object goes without a commit (an error
// part way), so that either every change is stored or none is.
class Transaction {
public:
    explicit Transaction(Connection& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Connection& db_;
    bool open_ = true;
};

} // namespace lw
