#pragma once

class QCompleter;
class QObject;

namespace solvara {

class ReagentDatabase;

// Offers the names of the database's reagents that contain what was typed, without regard to
// case, in alphabetical order.
QCompleter* reagentNameCompleter(const ReagentDatabase& reagents, QObject* parent);

}  // namespace solvara
