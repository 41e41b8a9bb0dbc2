#pragma once

#include <QObject>
#include <QString>
#include <QThread>
#include <atomic>
#include <memory>
#include <stop_token>

#include "report/StatisticsDeletion.h"
#include "report/StatisticsReport.h"
#include "store/DatabaseAddress.h"
#include "ui/stats/ThrowView.h"

namespace korvanti {

class HitMap;

// Builds the statistics tables on a thread of its own, with its own read-only
// connection to the database (opened at the first request and kept
// until the refresher goes). In the aim-and-hit view the player's throw
// (the scatter fit, the expected points per dart and the heat map) comes
// with the table. Only the newest request counts: a result of an
// older one is dropped, an older request still waiting is skipped, and one
// still working is told to stop (it looks between rows). The deletion runs
// on the same thread, so it never waits for a read of this refresher.
class StatisticsRefresher : public QObject {
  Q_OBJECT

 public:
  // `address` is the window's database as it was opened (a club server's
  // password with it). The hit map must outlive the refresher.
  StatisticsRefresher(DatabaseAddress address, const HitMap& hitMap, QObject* parent = nullptr);
  ~StatisticsRefresher() override;

  void Request(const StatisticsRequest& request);
  // Drops whatever is on its way and stops a refresh at work.
  void Cancel();
  bool Busy() const { return busy_; }
  // Stops a refresh, then deletes the selection in one transaction through a
  // connection of the worker's own, opened for writing; `deletionFinished`
  // follows. A deletion at work is never cut off.
  void Delete(const StatisticsSelection& selection);

 signals:
  // The throw is null in the detailed view.
  void finished(const korvanti::StatisticsTable& table,
                const std::shared_ptr<const korvanti::ThrowView>& throwView);
  void failed(const QString& text);
  // Empty when the deletion went through; else what failed.
  void deletionFinished(const QString& error);

 private:
  void Run(int id, const StatisticsRequest& request, std::stop_token stop);  // on the worker
  void RunDeletion(const StatisticsSelection& selection);                    // on the worker
  void Deliver(int id, const StatisticsTable& table,
               const std::shared_ptr<const ThrowView>& throwView);
  void DeliverError(int id, const QString& text);

  DatabaseAddress address_;
  const HitMap& hitMap_;
  QThread thread_;
  std::unique_ptr<QObject> workerContext_;  // lives on thread_
  std::unique_ptr<Database> database_;      // used on thread_ only
  std::atomic<int> latest_ = 0;
  std::stop_source stop_;  // of the newest request
  bool busy_ = false;
};

}  // namespace korvanti
