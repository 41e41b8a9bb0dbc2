#include "store/ScopedTransaction.h"

#include <QSqlError>

#include "store/Database.h"

namespace korvanti {

ScopedTransaction::ScopedTransaction(Database& database) : database_(database) {
  database_.Dialect().BeginWriteTransaction(database_.Connection());
}

ScopedTransaction::~ScopedTransaction() {
  if (open_) {
    database_.Connection().rollback();
  }
}

void ScopedTransaction::Commit() {
  if (!database_.Connection().commit()) {
    ThrowDatabaseError(database_.Connection().lastError().text());
  }
  open_ = false;
}

}  // namespace korvanti
