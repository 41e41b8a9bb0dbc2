#include "store/ServerConnection.h"

#include <QSqlError>
#include <QUrl>
#include <QUrlQuery>

#include "platform/Error.h"
#include "store/Database.h"

namespace korvanti {
namespace {

constexpr const char* kExample = "postgresql://korvanti@vereinsheim:5432/korvanti";

// The refused location is shown without a password that may be in it.
[[noreturn]] void RefuseLocation(const std::string& location, const std::string& why) {
  auto shown = QUrl(QString::fromStdString(location))
                   .toString(QUrl::RemovePassword | QUrl::RemoveQuery)
                   .toStdString();
  if (shown.empty()) {
    shown = "?";
  }
  throw Error("\"" + shown + "\" ist keine Adresse eines Vereinsservers (" + why +
              "). Beispiel: " + kExample);
}

}  // namespace

ServerParts ParseServerLocation(const std::string& location) {
  if (!DatabaseAddress::IsServerLocation(location)) {
    RefuseLocation(location, "sie beginnt nicht mit postgresql://");
  }
  const QUrl url(QString::fromStdString(location), QUrl::StrictMode);
  if (!url.isValid()) {
    RefuseLocation(location, url.errorString().toStdString());
  }
  if (!url.password().isEmpty()) {
    RefuseLocation(location, "ein Passwort gehört nicht in die Adresse");
  }
  ServerParts parts;
  parts.host = url.host().toStdString();
  parts.user = url.userName().toStdString();
  parts.database = url.path().mid(1).toStdString();
  if (url.port() > 0) {
    parts.port = url.port();
  }
  QStringList options;
  for (const auto& [key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
    if (key == "host") {
      parts.host = value.toStdString();
    } else if (key == "port") {
      bool number = false;
      parts.port = value.toInt(&number);
      if (!number || parts.port <= 0 || parts.port > 65535) {
        RefuseLocation(location, "der Port ist keine Zahl von 1 bis 65535");
      }
    } else if (key == "user") {
      parts.user = value.toStdString();
    } else if (key == "dbname") {
      parts.database = value.toStdString();
    } else if (key == "password") {
      RefuseLocation(location, "ein Passwort gehört nicht in die Adresse");
    } else if (value.contains(' ') || value.contains('\'') || value.contains('\\')) {
      RefuseLocation(location, "der Wert von " + key.toStdString() + " enthält Leerzeichen");
    } else {
      options << key + "=" + value;
    }
  }
  if (parts.database.empty()) {
    RefuseLocation(location, "der Name der Datenbank fehlt");
  }
  parts.options = options.join(' ').toStdString();
  return parts;
}

std::string ServerLocation(const ServerParts& parts) {
  QUrl url;
  url.setScheme("postgresql");
  url.setUserName(QString::fromStdString(parts.user));
  url.setHost(QString::fromStdString(parts.host));
  url.setPort(parts.port);
  url.setPath("/" + QString::fromStdString(parts.database));
  return url.toString(QUrl::FullyEncoded).toStdString();
}

void ConnectToServer(QSqlDatabase& connection, const DatabaseAddress& address) {
  const auto parts = ParseServerLocation(address.location);
  connection.setHostName(QString::fromStdString(parts.host));
  connection.setPort(parts.port);
  connection.setDatabaseName(QString::fromStdString(parts.database));
  connection.setUserName(QString::fromStdString(parts.user));
  connection.setPassword(QString::fromStdString(address.password));
  // A server that does not answer is given up after a few seconds, and an
  // idle board notices a dead connection instead of waiting on it.
  auto options = QStringLiteral(
      "connect_timeout=5;application_name=Korvanti;keepalives_idle=30;keepalives_interval=5;"
      "keepalives_count=3");
  if (!parts.options.empty()) {
    options += ";" + QString::fromStdString(parts.options).replace(' ', ';');
  }
  connection.setConnectOptions(options);
  if (!connection.open()) {
    const auto text = connection.lastError().text();
    if (text.contains("no password supplied") || text.contains("password authentication failed")) {
      throw PasswordNeeded(
          address.password.empty()
              ? "Der Vereinsserver verlangt ein Passwort für \"" + parts.user + "\"."
              : "Der Vereinsserver hat das Passwort für \"" + parts.user + "\" nicht angenommen.");
    }
    ThrowDatabaseError(text);
  }
}

}  // namespace korvanti
