#pragma once

namespace korvanti {

class Database;

// All or nothing: rolls back unless Commit() was reached. It waits for other
// writers at its start, so what it reads still holds when it writes.
class ScopedTransaction {
 public:
  explicit ScopedTransaction(Database& database);
  ScopedTransaction(const ScopedTransaction&) = delete;
  ScopedTransaction& operator=(const ScopedTransaction&) = delete;
  ~ScopedTransaction();

  void Commit();

 private:
  Database& database_;
  bool open_ = true;
};

}  // namespace korvanti
