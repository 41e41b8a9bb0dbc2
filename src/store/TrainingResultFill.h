#pragma once

namespace korvanti {

class Database;

// Gives every decided training with personal bests that has no stored result
// yet (saved before results were kept) the one its turns give, each player's
// turns played again through the rules. Turns the rules cannot read leave
// that player without a result. Runs inside the caller's transaction.
void FillTrainingResults(Database& database);

}  // namespace korvanti
