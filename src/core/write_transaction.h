// Read-change-write of a row in one write transaction. The object context
// begins its transaction only at the first statement that writes, so what a
// method read before that may already have been changed by another process
// when its write lands, and one of two changes is lost. A method that reads
// a value it will write back calls this first: the database's write lock is
// taken now (waiting for a writer that holds it), so nobody can change the
// row between the read and the write; the context commits or rolls back as
// usual when its outermost scope ends.
#pragma once

namespace corvela::core {

class comDAL;

// Must be called inside an object-context scope (see runVoting); raises what
// the connection raises when the lock cannot be had in the busy timeout.
void beginWriteTransaction(comDAL& dal);

}  // namespace corvela::core
