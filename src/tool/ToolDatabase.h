#pragma once

#include <memory>
#include <string>

#include "store/Database.h"

namespace korvanti {

// How --db is used: a file that must be there already, or one that is made
// when it is missing.
enum class DatabaseFile { MustExist, MayBeCreated };

// The database --db names: a club server's URI as it is given, or a file taken
// from the current folder. A file that must exist and does not is a usage error.
DatabaseAddress DatabaseArgument(const std::string& value, DatabaseFile file);

// Opens it. The tool asks no questions: a server that wants a password it has
// not got is an Error that says where the password belongs.
std::unique_ptr<Database> OpenToolDatabase(const DatabaseAddress& address,
                                           DatabaseAccess access = DatabaseAccess::ReadWrite);

// What the usage says about DB.
extern const char* const kDatabaseUsage;

}  // namespace korvanti
