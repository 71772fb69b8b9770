#pragma once

#include "base/program_folder.h"
#include "wheels/covering.h"
#include "wheels/wheel_shelf.h"

#include <optional>
#include <vector>

class Desktop;
class QWidget;

// The known record for a complete wheel (中t保t) from the wheel folder's
// records; nothing for other terms or where none is known.
std::optional<WheelRecord> knownWheelRecord(const ProgramFolder &folder, const WheelTerms &terms);

// A wheel the tables do not hold, searched for on a worker for at most
// `seconds` with a progress window and its 取消; a search stopped early still
// gives the complete wheel found so far. Kept on the shelf for next time
// (where the program folder can be written). Empty when nothing was found.
std::vector<BetMask> searchWheelShown(Desktop &desktop, QWidget *window, const ProgramFolder &folder,
                                      const WheelTerms &terms, double seconds);
