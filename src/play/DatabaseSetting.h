#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "store/DatabaseAddress.h"

namespace korvanti {

// The database file of the program folder, used while options.ini names no club server.
inline constexpr std::string_view kDatabaseFile = "dart.mdb";

// Refuses (Error, in German) what options.ini's "datenbank" must not hold:
// anything but nothing (the local file) or a club server's URI, and above all
// a URI with a password in it, which would lie in the file for anyone to read.
void CheckDatabaseSetting(const std::string& location);

// The database the setting names: the program folder's dart.mdb while it is
// empty, else the club server. A setting that is not a server's URI is
// refused as CheckDatabaseSetting does.
DatabaseAddress DatabaseOfSetting(const std::string& location,
                                  const std::filesystem::path& programFolder);

// The database a command line names (--db): a club server's URI as it is,
// a file made absolute against the current folder.
DatabaseAddress DatabaseOfArgument(const std::string& value);

// The settings dialog's fields for a club server.
struct ServerFields {
  std::string host;
  int port = 5432;
  std::string database = "korvanti";
  std::string user = "korvanti";
};

// The fields of a stored setting; the defaults for nothing or a setting that
// cannot be read (the dialog then asks for the server anew).
ServerFields ServerFieldsOf(const std::string& location);

enum class ServerField { Host, Database, User };

// Why the fields make no usable address, and which one to correct.
struct ServerFieldProblem {
  ServerField field;
  std::string text;
};

// The URI to store for the fields (trimmed of surrounding blanks), or why
// there is none. The setting `stored` stays as it is when it names the same
// server: it may carry further libpq settings the dialog does not show, or a
// socket folder as its host.
std::variant<std::string, ServerFieldProblem> ServerSetting(ServerFields fields,
                                                            const std::string& stored = {});

}  // namespace korvanti
