#include "ui/stats/StatisticsRefresher.h"

#include <exception>

#include "store/Database.h"

namespace korvanti {

StatisticsRefresher::StatisticsRefresher(DatabaseAddress address, const HitMap& hitMap,
                                         QObject* parent)
    : QObject(parent),
      address_(std::move(address)),
      hitMap_(hitMap),
      workerContext_(std::make_unique<QObject>()) {
  workerContext_->moveToThread(&thread_);
  // The connection belongs to the worker thread and is closed there.
  connect(
      &thread_, &QThread::finished, workerContext_.get(), [this] { database_.reset(); },
      Qt::DirectConnection);
  thread_.start();
}

StatisticsRefresher::~StatisticsRefresher() {
  Cancel();
  thread_.quit();
  thread_.wait();
}

void StatisticsRefresher::Request(const StatisticsRequest& request) {
  Cancel();
  const int id = latest_;
  busy_ = true;
  QMetaObject::invokeMethod(
      workerContext_.get(),
      [this, id, request, stop = stop_.get_token()] { Run(id, request, stop); },
      Qt::QueuedConnection);
}

void StatisticsRefresher::Cancel() {
  stop_.request_stop();
  stop_ = std::stop_source();
  ++latest_;
  busy_ = false;
}

void StatisticsRefresher::Delete(const StatisticsSelection& selection) {
  Cancel();
  QMetaObject::invokeMethod(
      workerContext_.get(), [this, selection] { RunDeletion(selection); }, Qt::QueuedConnection);
}

void StatisticsRefresher::RunDeletion(const StatisticsSelection& selection) {
  QString error;
  try {
    // Opened for this deletion only: reads need no write access.
    const auto writer = Database::Open(address_);
    DeleteSelectedStatistics(*writer, selection);
  } catch (const std::exception& failure) {
    error = QString::fromStdString(failure.what());
  }
  QMetaObject::invokeMethod(
      this, [this, error] { emit deletionFinished(error); }, Qt::QueuedConnection);
}

void StatisticsRefresher::Run(int id, const StatisticsRequest& request, std::stop_token stop) {
  if (id != latest_) {
    return;  // a newer request is waiting
  }
  try {
    if (!database_) {
      database_ = Database::Open(address_, DatabaseAccess::ReadOnly);
    }
    auto table = RefreshStatistics(*database_, request, stop);
    if (id != latest_ || stop.stop_requested()) {
      return;  // superseded or stopped while the rows were built
    }
    std::shared_ptr<const ThrowView> throwView;
    if (request.view == StatisticsView::AimAndHit) {
      // The table stands on its own: a throw that cannot be measured only says why.
      ThrowPicture picture;
      try {
        picture = MakeThrowPicture(*database_, request, hitMap_);
      } catch (const std::exception& error) {
        picture.text = error.what();
      }
      throwView = std::make_shared<const ThrowView>(MakeThrowView(std::move(picture)));
    }
    QMetaObject::invokeMethod(
        this,
        [this, id, table = std::move(table), throwView = std::move(throwView)] {
          Deliver(id, table, throwView);
        },
        Qt::QueuedConnection);
  } catch (const std::exception& error) {
    const auto text = QString::fromStdString(error.what());
    QMetaObject::invokeMethod(
        this, [this, id, text] { DeliverError(id, text); }, Qt::QueuedConnection);
  }
}

void StatisticsRefresher::Deliver(int id, const StatisticsTable& table,
                                  const std::shared_ptr<const ThrowView>& throwView) {
  if (id != latest_) {
    return;
  }
  busy_ = false;
  emit finished(table, throwView);
}

void StatisticsRefresher::DeliverError(int id, const QString& text) {
  if (id != latest_) {
    return;
  }
  busy_ = false;
  emit failed(text);
}

}  // namespace korvanti
