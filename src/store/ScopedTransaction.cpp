#include "store/ScopedTransaction.h"

#include <QSqlError>

#include "store/Database.h"

namespace korvanti {

// A server connection that broke off since the last statement is opened
// anew: nothing of this transaction has happened yet.
ScopedTransaction::ScopedTransaction(Database& database) : database_(database) {
  try {
    database_.Dialect().BeginWriteTransaction(database_.Connection());
  } catch (const ConnectionLost&) {
    database_.Reconnect();
    database_.Dialect().BeginWriteTransaction(database_.Connection());
  }
  database_.SetInTransaction(true);
}

ScopedTransaction::~ScopedTransaction() {
  if (open_) {
    database_.Connection().rollback();
    database_.SetInTransaction(false);
  }
}

void ScopedTransaction::Commit() {
  if (!database_.Connection().commit()) {
    ThrowDatabaseError(database_.Connection().lastError().text());
  }
  open_ = false;
  database_.SetInTransaction(false);
}

}  // namespace korvanti
